#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/CameraChangeProtocol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace Kairn::Graphics;
using MathTest::near;

namespace {

constexpr float pi = 3.14159265358979f;

struct RecordingListener : CameraChangeProtocol
{
    std::vector<std::string> log;
    Camera* removeFrom = nullptr;
    void cameraOperationBegan(const Ocuvo::CameraParameters&) override { log.push_back("began"); }
    void cameraParametersChanged(const Ocuvo::CameraParameters&) override
    {
        log.push_back("changed");
        if (removeFrom)
            removeFrom->removeCameraChangeListener(this);
    }
    void cameraOperationEnded(const Ocuvo::CameraParameters&) override { log.push_back("ended"); }
};

Camera makeCamera(bool orthographic)
{
    Camera camera;
    camera.setImageSize(800, 600);
    camera.lookAt({3.0f, -4.0f, 5.0f}, {0.5f, 0.25f, -1.0f}, {0.0f, 0.0f, 1.0f});
    if (orthographic)
        camera.setOrthographic(6.0f);
    else
        camera.setPerspective(pi / 3.0f);
    return camera;
}

} // namespace

TEST(Camera, PickRayAndProjectionAreInverseInBothProjections)
{
    for (const bool orthographic : {false, true}) {
        SCOPED_TRACE(orthographic ? "orthographic" : "perspective");
        const Camera camera = makeCamera(orthographic);
        for (const Lumo::vec2<float> pixel : {Lumo::vec2<float>{400, 300}, {0, 0}, {799, 599}, {123.5f, 456.25f}}) {
            const auto ray = camera.getPickRay(pixel);
            EXPECT_NEAR(ray.direction().length(), 1.0f, 1e-6f);
            for (const float t : {0.5f, 7.0f, 40.0f}) {
                const Lumo::vec2<float> back = camera.projectToScreen(ray.pointAt(t));
                EXPECT_NEAR(back.x, pixel.x, 2e-3f);
                EXPECT_NEAR(back.y, pixel.y, 2e-3f);
            }
            if (orthographic) {
                EXPECT_TRUE(near(ray.direction(), camera.getViewDirection(), 1e-6f));
                EXPECT_NEAR(camera.depthOf(ray.origin()), camera.nearPlane(), 1e-4f);
            } else {
                EXPECT_TRUE(near(ray.origin(), camera.eye(), 0.0f));
            }
        }
        // The centre of the image looks straight at the target.
        EXPECT_TRUE(near(camera.getPickRay({400, 300}).direction(), camera.getViewDirection(), 1e-6f));
        const Lumo::vec2<float> target = camera.projectToScreen(camera.target());
        EXPECT_NEAR(Lumo::length(target - Lumo::vec2<float>{400, 300}), 0.0f, 1e-3f);
        // Screen y grows downward: a point above the target projects above the centre.
        EXPECT_LT(camera.projectToScreen(camera.target() + camera.up()).y, 300.0f);
        EXPECT_GT(camera.projectToScreen(camera.target() + camera.right()).x, 400.0f);
    }
}

TEST(Camera, PixelsPerWorldUnitMatchesTheProjectedLength)
{
    for (const bool orthographic : {false, true}) {
        const Camera camera = makeCamera(orthographic);
        const Lumo::float3 p = camera.target() + camera.getViewDirection() * 2.0f;
        const float measured =
            Lumo::length(camera.projectToScreen(p + camera.right() * 0.01f) - camera.projectToScreen(p)) / 0.01f;
        EXPECT_NEAR(camera.pixelsPerWorldUnitAt(p), measured, measured * 1e-3f);
    }
    // Perspective, by hand: 600 px cover 2 * depth * tan(30 deg) world units.
    const Camera camera = makeCamera(false);
    const float depth = camera.depthOf(camera.target());
    EXPECT_NEAR(camera.pixelsPerWorldUnitAt(camera.target()), 600.0f / (2.0f * depth * std::tan(pi / 6.0f)), 1e-3f);
}

TEST(Camera, ListenersHearBeganChangedEnded)
{
    Camera camera;
    RecordingListener listener;
    camera.addCameraChangeListener(&listener);
    camera.addCameraChangeListener(&listener);
    camera.zoom(2.0f);
    EXPECT_EQ(listener.log, (std::vector<std::string>{"began", "changed", "ended"}));

    listener.log.clear();
    camera.beginOperation();
    camera.orbit(0.1f, 0.0f);
    camera.pan(5.0f, 0.0f);
    camera.endOperation();
    EXPECT_EQ(listener.log, (std::vector<std::string>{"began", "changed", "changed", "ended"}));

    // A listener that removes itself while notified hears nothing afterwards.
    listener.log.clear();
    listener.removeFrom = &camera;
    camera.zoom(2.0f);
    camera.zoom(2.0f);
    EXPECT_EQ(listener.log, (std::vector<std::string>{"began", "changed"}));
}

TEST(Camera, BadInputKeepsAnOrthonormalFrame)
{
    Camera camera = makeCamera(false);
    const Ocuvo::CameraParameters before = camera.parameters();
    camera.lookAt({1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 1.0f});
    camera.lookAt({NAN, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    camera.setPerspective(-1.0f);
    camera.setOrthographic(0.0f);
    camera.setClipPlanes(5.0f, 1.0f);
    camera.zoom(0.0f);
    camera.frame({0.0f, 0.0f, 0.0f}, -1.0f);
    EXPECT_EQ(camera.eye(), before.eye);
    EXPECT_EQ(camera.target(), before.target);
    EXPECT_EQ(camera.verticalFieldOfView(), before.verticalFieldOfView);
    EXPECT_EQ(camera.orthographicHeight(), before.orthographicHeight);
    EXPECT_EQ(camera.nearPlane(), before.nearPlane);

    // An up hint along the line of sight still gives a right-handed orthonormal frame.
    camera.lookAt({0.0f, 0.0f, 5.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    EXPECT_TRUE(near(camera.getViewDirection(), {0.0f, 0.0f, -1.0f}, 1e-6f));
    EXPECT_NEAR(Lumo::length(camera.up()), 1.0f, 1e-6f);
    EXPECT_NEAR(Lumo::dot(camera.up(), camera.getViewDirection()), 0.0f, 1e-6f);
    EXPECT_TRUE(near(Lumo::cross(camera.right(), camera.up()), -camera.getViewDirection(), 1e-6f));
}
