#pragma once

// Not built: a store header that reaches up into the widgets, which the
// layer check must refuse.
#include "ui/message_box.h"
