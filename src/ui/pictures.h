// The program's own bitmaps, linked into the exe by res/quellmarch.rc (which
// includes this file for the ids) and drawn by res/make_pictures.py. The
// sizes are the bitmaps' own, so images can size themselves without loading.
#pragma once

#define QM_BITMAP_OPTIONS_STRIP 201
#define QM_BITMAP_BANNER 202
#define QM_BITMAP_DUSK 203

#ifndef RC_INVOKED
#include "ui/toolkit/types.h"

namespace qm::pictures {

// The strip along the Options window's left edge: the product name, upwards.
inline ui::Picture OptionsStrip() { return ui::Picture::fromBitmapResource(QM_BITMAP_OPTIONS_STRIP, 45, 527); }
// The product name between the two tray knobs, for the splash and about windows.
inline ui::Picture Banner() { return ui::Picture::fromBitmapResource(QM_BITMAP_BANNER, 277, 24); }
// Hills and a lake at dusk, beside the note in the information window.
inline ui::Picture Dusk() { return ui::Picture::fromBitmapResource(QM_BITMAP_DUSK, 273, 153); }

}  // namespace qm::pictures
#endif
