#pragma once

#include <QOpenGLShaderProgram>
#include <QString>

namespace Viewer {

// The renderer's three GLSL 3.30 programs, compiled once per OpenGL context:
// - solid: triangles in one colour, lit by a headlight when `lit` is set, flat otherwise;
// - vertexLit: the same headlight evaluated per vertex, for dense meshes;
// - line: line segments widened into screen-space quads `lineWidth` device pixels wide;
// - text: a rectangle showing a glyph coverage texture in `textColor` over `backgroundColor`;
// - composite: a full-screen triangle (no vertex input) that lays a premultiplied image over the
//   framebuffer.
// Every program takes `clipFromLocal`; solid also `viewFromLocal` and `normalFromLocal`. All but
// composite fade fragments behind the model when `fadeBehindModel` is set (see FragmentPrelude).
class ShaderLibrary
{
public:
    // Compiles and links every program; false, with the compiler's messages in errorLog(), if
    // any of them fails.
    bool create();

    QOpenGLShaderProgram& solid() { return m_solid; }
    QOpenGLShaderProgram& line() { return m_line; }
    QOpenGLShaderProgram& text() { return m_text; }
    QOpenGLShaderProgram& composite() { return m_composite; }
    QOpenGLShaderProgram& vertexLit() { return m_vertexLit; }
    QString errorLog() const { return m_errorLog; }

private:
    bool build(QOpenGLShaderProgram& program, const char* vertex, const char* geometry, const QByteArray& fragment);

    QOpenGLShaderProgram m_solid;
    QOpenGLShaderProgram m_line;
    QOpenGLShaderProgram m_text;
    QOpenGLShaderProgram m_composite;
    QOpenGLShaderProgram m_vertexLit;
    QString m_errorLog;
};

} // namespace Viewer
