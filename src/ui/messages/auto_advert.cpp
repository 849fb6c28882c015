#include "ui/messages/auto_advert.h"

namespace qm {

namespace {

ui::Font heading()
{
    ui::Font font;
    font.face = "Arial";
    font.pixelHeight = 20;
    font.bold = true;
    return font;
}

}  // namespace

TAutoAdvertForm::TAutoAdvertForm() : Form("AutoAdvertForm")
{
    ui::FixedWindow{
        .caption = "New Feature Blurb",
        .size = {420, 236},
        .clientSize = true,
        .parts =
            {
                {&Label1, {16, 12, 388, 24}, {"NEW TO QUELLMARCH?"}, heading()},
                {&Memo1,
                 {16, 42, 388, 148},
                 {
                     "Choose \"Getting Started\" from the Help menu of the Options window: it takes you through "
                     "your first configuration step by step.",
                     "",
                     "Or let AutoAdd do the first round for you. \"Run AutoAdd\" in the File menu of the Options "
                     "window adds every program that is running now to both lists: a process entry that ends it "
                     "politely, and a program entry that starts it again.",
                     "",
                     "Then try the new entries one by one and uncheck those that do not behave.",
                 }},
                {&BitBtn1, {172, 200, 75, 25}},
            },
    }.applyTo(*this);
}

}  // namespace qm
