#include "cli/Command.h"

namespace pafdm {

std::vector<std::unique_ptr<Command>> AllCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    return commands;
}

} // namespace pafdm
