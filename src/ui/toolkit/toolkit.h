// Everything a window class needs: the form and every kind of control.
#pragma once

#include "ui/toolkit/application.h"
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/containers.h"
#include "ui/toolkit/file_dialogs.h"
#include "ui/toolkit/fixed_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/image.h"
#include "ui/toolkit/lists.h"
#include "ui/toolkit/menu.h"
#include "ui/toolkit/range_controls.h"
#include "ui/toolkit/text_controls.h"
#include "ui/toolkit/timer.h"
