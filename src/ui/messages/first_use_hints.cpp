#include "ui/messages/first_use_hints.h"

#include <string>
#include <vector>

namespace qm {

namespace {

constexpr char kHintCaption[] = "Important Hint";

// Both hints share their frame and their opening; the advice differs.
ui::FixedWindow HintWindow(ui::Memo& text, ui::CheckBox& box, ui::BitBtn& ok, const std::vector<std::string>& advice)
{
    std::vector<std::string> lines = {
        "",
        "The most common way to use Quellmarch is to specify a set of background programs / ",
        "processes which should toggle between being Terminated and being Launched.",
        "",
        "The easiest way to do this is to:",
    };
    lines.insert(lines.end(), advice.begin(), advice.end());
    return ui::FixedWindow{
        .caption = kHintCaption,
        .size = {460, 259},
        .parts =
            {
                {&text, {8, 4, 438, 180}, std::move(lines)},
                {&box, {12, 198, 200, 17}},
                {&ok, {371, 194, 75, 25}},
            },
        // A first Space press closes the hint rather than ending its hints.
        .focus = &ok,
    };
}

}  // namespace

TFirstProgram::TFirstProgram() : Form("FirstProgram")
{
    HintWindow(Memo1, CheckBox1, BitBtn1,
               {
                   "    1) Close the Run Program Entry dialog and instead add a Terminate Process Entry.",
                   "    2) Choose the proccess to terminate from the list of running processes",
                   "    3) Check the \"Add a Program Entry Automatically\" option.",
                   "",
                   "This will save you from having to manually locate the program and will automatically",
                   "create an entry to launch the program in addtion to an entry to terminate it.",
               })
        .applyTo(*this);
}

Tfirstprocess::Tfirstprocess() : Form("firstprocess")
{
    HintWindow(Memo1, CheckBox1, BitBtn1,
               {
                   "",
                   "    1) Choose the proccess to terminate from the list of running processes, by",
                   "         clicking on the folder icon in the upper right hand corner.",
                   "    2) Check the \"Add a Program Entry Automatically\" option.",
                   "",
                   "This will save you from having to manually locate the program, and will automatically ",
                   "create an entry to launch the program in addtion to an entry to terminate it.",
               })
        .applyTo(*this);
}

}  // namespace qm
