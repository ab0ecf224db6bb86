#include "tests/support/ColorExpect.h"
#include "tests/support/WidgetFixture.h"
#include "ui_widgets/annotation/CameraWidget.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <gtest/gtest.h>

#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Velto::UiWidget::CameraWidget;

namespace {

// A camera marker whose mesh file cannot be read.
class CameraWidgetWithoutMesh : public CameraWidget
{
public:
    static CameraWidgetWithoutMesh* create(Velto::UiWidget::Widget3DEventHandler* handler)
    {
        auto* widget = new CameraWidgetWithoutMesh(handler);
        widget->init();
        return widget;
    }

protected:
    explicit CameraWidgetWithoutMesh(Velto::UiWidget::Widget3DEventHandler* handler)
        : CameraWidget(handler, Kairn::Graphics::SceneItemWidget)
    {
    }
    void init() override { buildMarker(QStringLiteral(":resources/meshes/no_such_camera.obj")); }
};

// The camera marker at (1, 0, 0), seen by the harness camera from (0, 0, 10).
class CameraWidgetTest : public WidgetFixture<CameraWidget>
{
protected:
    void create(bool withMesh)
    {
        widget.reset(withMesh ? CameraWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget)
                              : CameraWidgetWithoutMesh::create(h.handler()));
        camera = widget.get();
        camera->setPosition(at);
        log.clear();
        log.watch(camera, "c");
    }

    const float3 at{1, 0, 0};
    CameraWidget* camera = nullptr;
};

TEST_F(CameraWidgetTest, MeshFromTheResourceOrACone)
{
    struct Row
    {
        const char* name;
        bool withMesh;
    };
    for (const Row& row : {Row{"resource mesh", true}, Row{"unreadable mesh", false}}) {
        SCOPED_TRACE(row.name);
        widget.reset();
        {
            LiveInstanceCheck created;
            created.track<Kairn::Graphics::VyrMeshNode>("VyrMeshNode");
            created.track<Kairn::Graphics::VyrConeNode>("VyrConeNode");
            create(row.withMesh);
            // Exactly one node, and the mesh node that failed to load is not kept.
            ASSERT_EQ(camera->getGraphicsNodes().size(), 1u);
            EXPECT_EQ(created.difference("VyrMeshNode"), row.withMesh ? 1 : 0);
            EXPECT_EQ(created.difference("VyrConeNode"), row.withMesh ? 0 : 1);
        }
        auto* mesh = dynamic_cast<Kairn::Graphics::VyrMeshNode*>(camera->getGraphicsNodes().front());
        EXPECT_EQ(mesh != nullptr, row.withMesh);
        if (mesh) {
            ASSERT_NE(mesh->mesh(), nullptr);
            EXPECT_FALSE(mesh->mesh()->isEmpty());
        }

        // Either way the marker rests in the widget blue and lights up under the mouse.
        EXPECT_TRUE(sameColor(camera->getColor(), rgb255(112, 173, 193)));
        EXPECT_FALSE(h.move(at));
        EXPECT_TRUE(sameColor(camera->getColor(), rgb255(141, 189, 205)));
        EXPECT_FALSE(h.move({1, 3, 0}));
        EXPECT_TRUE(sameColor(camera->getColor(), rgb255(112, 173, 193)));
        EXPECT_EQ(log.take(), QStringList({"c.widgetEntered", "c.widgetExited"}));
        EXPECT_EQ(camera->getPosition(), at);
    }
}

TEST_F(CameraWidgetTest, ClicksInTheView)
{
    struct Row
    {
        const char* name;
        Qt::MouseButton button;
        QPointF releaseOffset;
        bool silenced;
        QStringList expected;
    };
    const Row rows[] = {
        {"left click", Qt::LeftButton, {0, 0}, false, {"c.widgetEntered", "c.cameraClicked"}},
        {"left click with a 5 pixel jitter", Qt::LeftButton, {3, -2}, false, {"c.widgetEntered", "c.cameraClicked"}},
        {"left press dragged 6 pixels", Qt::LeftButton, {3, 3}, false, {"c.widgetEntered"}},
        {"right click", Qt::RightButton, {0, 0}, false, {"c.widgetEntered"}},
        {"silenced left click", Qt::LeftButton, {0, 0}, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        create(true);
        camera->setSilenced(row.silenced);
        const QPointF press = h.screenPoint(at).toPoint();
        const QPointF release = press + row.releaseOffset;
        // The press is never taken, so the host's navigation gets it, and the marker never moves.
        EXPECT_FALSE(h.pressAt(press, row.button));
        EXPECT_FALSE(h.moveAt(release));
        EXPECT_FALSE(h.releaseAt(release, row.button));
        EXPECT_EQ(log.lines(), row.expected);
        EXPECT_EQ(camera->getPosition(), at);
        if (log.lines().contains("c.cameraClicked")) {
            const QVariantMap click = log.entries().back().arguments.at(0).toMap();
            EXPECT_EQ(click.value("type").toInt(), int(QEvent::MouseButtonRelease));
            EXPECT_EQ(click.value("position").toPointF(), release);
        }
        // The marker stays hovered after the click: leaving it un-highlights it, with one exit.
        log.clear();
        h.moveAt({5, 5});
        EXPECT_EQ(log.take(), row.silenced ? QStringList() : QStringList({"c.widgetExited"}));
        EXPECT_TRUE(sameColor(camera->getColor(), rgb255(112, 173, 193)));
        // The click watch ends with the release: a later click elsewhere reports nothing.
        h.pressAt({5, 5});
        h.releaseAt({5, 5});
        EXPECT_TRUE(log.lines().isEmpty());
    }
}

} // namespace
