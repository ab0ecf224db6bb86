#include "viewer/app/SceneView.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <gtest/gtest.h>

// The OpenGL tests need a real window system (xcb under Xvfb): QOpenGLWidget does not work on the
// offscreen platform. They choose it themselves, since many CI set-ups export
// QT_QPA_PLATFORM=offscreen for every test. The model is drawn without multisampling so that
// colours are exact.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QSurfaceFormat::setDefaultFormat(Viewer::SceneView::preferredFormat(0));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
