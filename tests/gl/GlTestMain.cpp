#include "viewer/app/SceneView.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <gtest/gtest.h>

// The OpenGL tests need a real window system (xcb under Xvfb): QOpenGLWidget does not work on the
// offscreen platform. The model is drawn without multisampling so that colours are exact.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QSurfaceFormat::setDefaultFormat(Viewer::SceneView::preferredFormat(0));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
