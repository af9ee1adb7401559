#include "startup_manager/shell_linker.h"

#include "platform/file_system.h"

namespace tw {

bool CreateStartupShortcut(Shell& shell, std::string_view name, std::string_view folder, std::string_view target,
                           std::string_view description, std::string_view arguments) {
    NewShortcut link;
    link.targetPath = target;
    link.description = description;
    link.iconPath = target;
    link.arguments = arguments;
    link.workingDirectory = FolderPart(target);
    return shell.CreateShortcut(std::string(folder) + "\\" + std::string(name) + ".lnk", link);
}

}  // namespace tw
