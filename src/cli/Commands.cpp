#include "cli/Command.h"
#include "shell/Program.h"

namespace pafdm {

std::unique_ptr<Command> MakeStatusCommand();
std::unique_ptr<Command> MakeMergeCommand();
std::unique_ptr<Command> MakeDefinitionsCommand();
std::unique_ptr<Command> MakeApplyCommand();
std::unique_ptr<Command> MakeUpdateCommand();

std::vector<std::unique_ptr<Command>> AllCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeStatusCommand());
    commands.push_back(MakeApplyCommand());
    commands.push_back(MakeUpdateCommand());
    commands.push_back(MakeMergeCommand());
    commands.push_back(MakeDefinitionsCommand());
    return commands;
}

} // namespace pafdm
