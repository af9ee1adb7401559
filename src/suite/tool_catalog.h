#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "suite/settings_store.h"

namespace tw {

// A task-pane item: the page it brings forward (1 = Panel1, the intro
// page), or 0 for "Main Menu", which closes the window.
struct TaskItem {
    std::string_view caption;
    int page = 0;
};

// What the frame needs to know of each tool window.
struct ToolFrame {
    Tool tool;
    std::string_view className;  // TfrmRegistry, ...
    int width = 799;
    int height = 579;
    std::vector<TaskItem> items;
    std::vector<std::string_view> introParagraphs;
};

const ToolFrame& FrameOf(Tool tool);

// The intro label's text: each paragraph indented, separated by an empty line.
std::string IntroText(Tool tool);
// "Drive Cleaner - Information".
std::string IntroTitle(Tool tool);

}  // namespace tw
