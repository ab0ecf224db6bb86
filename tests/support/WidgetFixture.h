#pragma once

#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <memory>

namespace UiwTest {

// A view with one widget of class Widget under test, its signals logged as `name`; the widget is
// destroyed before the live-instance counts are compared.
template<class Widget>
class WidgetFixture : public ::testing::Test
{
protected:
    Widget* create(const QString& name = "w", Kairn::Graphics::SceneItemType type = Kairn::Graphics::SceneItemWidget)
    {
        widget.reset(Widget::createWidget3D(h.handler(), type));
        log.clear();
        log.watch(widget.get(), name);
        return widget.get();
    }

    void TearDown() override
    {
        widget.reset();
        EXPECT_TRUE(live.unchanged());
    }

    LiveInstanceCheck live;
    InteractionHarness h;
    SignalLog log;
    std::unique_ptr<Widget> widget;
};

} // namespace UiwTest
