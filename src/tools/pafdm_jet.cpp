#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: pafdm-jet info|dump|check FILE [--password P]");
        return argc < 2 ? 2 : 0;
    }
    std::fputs("pafdm-jet: not available yet\n", stderr);
    return 2;
}
