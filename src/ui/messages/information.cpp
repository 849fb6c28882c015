#include "ui/messages/information.h"

#include "ui/pictures.h"

namespace qm {

TInformation::TInformation() : Form("Information")
{
    ui::FixedWindow{
        .caption = "Information",
        .size = {578, 438},
        .clientSize = true,
        .parts =
            {
                {&Image1, {4, 6, 273, 153}},
                {&Label1, {4, 166, 273, 32}, {"The lake behind the house where Quellmarch was written, on an "
                                              "evening in late summer."}},
                {&Memo1,
                 {284, 6, 286, 426},
                 {
                     "For Hedwig",
                     "",
                     "My grandmother kept a small notebook beside her kitchen radio. In it she wrote every "
                     "programme she meant to hear that week: when it began, when it ended, and which station "
                     "it was on. At the right minute she switched the radio on, and at the right minute she "
                     "switched it off again, and not a minute of music was wasted on her.",
                     "",
                     "She never owned a computer, and she would have laughed at the idea of one that needs to be "
                     "told which of its programs to stop. But she would have understood this one at once: a list "
                     "of things to start, a list of things to stop, and a good reason for both.",
                     "",
                     "Quellmarch is dedicated to her, and to her notebook.",
                     "",
                     "Thanks also to everyone who tried the early versions, rebooted more often than they would "
                     "have liked, and wrote in with the one background program that would not end. Every one of "
                     "those letters made the program better.",
                     "",
                     "And thanks to you, for reading this far.",
                 }},
                {&BitBtn1, {103, 405, 75, 25}},
            },
    }.applyTo(*this);
    Image1.setPicture(pictures::Dusk());
    Label1.setWordWrap(true);
    // A note to read, not a message: framed, white, and scrolled when it is
    // longer than the window.
    Memo1.setBordered(true);
    Memo1.setParentColor(false);
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
}

}  // namespace qm
