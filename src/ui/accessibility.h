#pragma once
// What a screen reader is told beyond Qt's own accessible interfaces: the map's galaxies (see
// map_widgets.h), the trade lists' rows with their fields and an action that opens their
// dialog, each value label read after its caption ("Cash: $5,000"), and the decorative
// pictures and the captions already read with their values left out. Qt asks for these only while
// an assistive technology listens.
namespace zt {

// Makes Qt use the game's accessible interfaces; calling it again changes nothing.
void installAccessibleInterfaces();

} // namespace zt
