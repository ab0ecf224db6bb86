#pragma once

namespace Kairn::Graphics {

// The render layer a top-level node is drawn in. A renderer draws the host's model geometry
// first, then the widget layer, then the overlay on top.
using SceneItemType = int;

constexpr SceneItemType SceneItemModel = 0;
constexpr SceneItemType SceneItemWidget = 1;
constexpr SceneItemType SceneItemOverlay = 3;

} // namespace Kairn::Graphics
