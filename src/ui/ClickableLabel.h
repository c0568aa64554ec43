#pragma once
#include "ui/map_widgets.h"

namespace zt {

// A value label that the player may click to copy its figure into an amount box (the maximum
// of a shop or of the bank, the bank's current debt). It is the label the map's galaxy
// pictures are made of: a left click on it reports `clicked`.
using ClickableLabel = MapPicture;

} // namespace zt
