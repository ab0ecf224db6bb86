#include "viewer/render/ShaderLibrary.h"

namespace Viewer {

namespace {

// Every fragment shader starts with this: a fragment of a widget layer that lies behind the model
// (its eye distance beyond the model's at the same pixel, read from the depth texture the
// renderer copied after the model pass) is drawn at HiddenOpacity of its alpha, so that a widget
// is never lost behind the model and still shows what is in front. The depth is compared as eye
// distance with a relative tolerance, so parts lying on the surface (markers, survey points) do
// not flicker between the two. `markVisibility` replaces the colour by opaque red (in front) or
// green (behind), for counting what a user sees.
const char* const FragmentPrelude = R"(#version 330 core
uniform bool fadeBehindModel;
uniform bool markVisibility;
uniform sampler2D modelDepth;
// From window depth to eye distance: the projection's z row (A, B) and whether it is linear.
uniform vec2 depthProjection;
uniform bool linearDepth;
const float HiddenOpacity = 0.35;
float eyeDistance(float windowDepth)
{
    float ndc = 2.0 * windowDepth - 1.0;
    return linearDepth ? (depthProjection.y - ndc) / depthProjection.x
                       : depthProjection.y / (ndc + depthProjection.x);
}
vec4 shownColor(vec4 color)
{
    bool hidden = false;
    if (fadeBehindModel) {
        float model = texelFetch(modelDepth, ivec2(gl_FragCoord.xy), 0).r;
        hidden = model < 1.0 && eyeDistance(gl_FragCoord.z) > eyeDistance(model) * 1.002 + 1e-6;
    }
    if (markVisibility)
        return hidden ? vec4(0.0, 1.0, 0.0, 1.0) : vec4(1.0, 0.0, 0.0, 1.0);
    return hidden ? vec4(color.rgb, color.a * HiddenOpacity) : color;
}
)";

const char* const SolidVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
uniform mat4 clipFromLocal;
uniform mat4 viewFromLocal;
uniform mat3 normalFromLocal;
out vec3 viewPosition;
out vec3 viewNormal;
void main()
{
    gl_Position = clipFromLocal * vec4(position, 1.0);
    viewPosition = (viewFromLocal * vec4(position, 1.0)).xyz;
    viewNormal = normalFromLocal * normal;
}
)";

// A headlight a little above and left of the eye, so that faces turned to the viewer are bright
// and silhouettes darken; both sides of a surface are lit alike, because rings and discs are seen
// from either side.
const char* const SolidFragment = R"(
in vec3 viewPosition;
in vec3 viewNormal;
uniform vec4 color;
uniform bool lit;
uniform bool orthographic;
out vec4 fragColor;
void main()
{
    if (!lit) {
        fragColor = shownColor(color);
        return;
    }
    vec3 toEye = orthographic ? vec3(0.0, 0.0, 1.0) : normalize(-viewPosition);
    vec3 n = normalize(viewNormal);
    if (dot(n, toEye) < 0.0)
        n = -n;
    vec3 toLight = normalize(toEye + vec3(-0.35, 0.45, 0.0));
    float diffuse = max(dot(n, toLight), 0.0);
    float specular = pow(max(dot(n, normalize(toLight + toEye)), 0.0), 48.0);
    fragColor = shownColor(vec4(color.rgb * (0.28 + 0.72 * diffuse) + vec3(0.22 * specular), color.a));
}
)";

// The same headlight evaluated per vertex: one interpolated colour instead of a position and a
// normal, which halves the per-triangle setup of a software rasterizer on dense meshes.
const char* const VertexLitVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
uniform mat4 clipFromLocal;
uniform mat4 viewFromLocal;
uniform mat3 normalFromLocal;
uniform vec4 color;
uniform bool orthographic;
out vec4 shaded;
void main()
{
    gl_Position = clipFromLocal * vec4(position, 1.0);
    vec3 viewPosition = (viewFromLocal * vec4(position, 1.0)).xyz;
    vec3 toEye = orthographic ? vec3(0.0, 0.0, 1.0) : normalize(-viewPosition);
    vec3 n = normalize(normalFromLocal * normal);
    if (dot(n, toEye) < 0.0)
        n = -n;
    vec3 toLight = normalize(toEye + vec3(-0.35, 0.45, 0.0));
    float diffuse = max(dot(n, toLight), 0.0);
    float specular = pow(max(dot(n, normalize(toLight + toEye)), 0.0), 48.0);
    shaded = vec4(color.rgb * (0.28 + 0.72 * diffuse) + vec3(0.22 * specular), color.a);
}
)";

const char* const VertexLitFragment = R"(
in vec4 shaded;
out vec4 fragColor;
void main()
{
    fragColor = shownColor(shaded);
}
)";

const char* const LineVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
uniform mat4 clipFromLocal;
void main()
{
    gl_Position = clipFromLocal * vec4(position, 1.0);
}
)";

// Each segment becomes a quad lineWidth device pixels wide, lengthened by half the width at both
// ends so that the segments of a polyline meet without gaps. A segment crossing the near plane is
// cut there first.
const char* const LineGeometry = R"(#version 330 core
layout(lines) in;
layout(triangle_strip, max_vertices = 4) out;
uniform vec2 viewportSize;
uniform float lineWidth;
const float nearW = 1e-4;
void main()
{
    vec4 a = gl_in[0].gl_Position;
    vec4 b = gl_in[1].gl_Position;
    if (a.w < nearW && b.w < nearW)
        return;
    if (a.w < nearW)
        a = mix(a, b, (nearW - a.w) / (b.w - a.w));
    else if (b.w < nearW)
        b = mix(b, a, (nearW - b.w) / (a.w - b.w));
    vec2 halfViewport = 0.5 * viewportSize;
    vec2 screenA = a.xy / a.w * halfViewport;
    vec2 screenB = b.xy / b.w * halfViewport;
    vec2 along = screenB - screenA;
    along = length(along) > 1e-6 ? normalize(along) : vec2(1.0, 0.0);
    vec2 across = vec2(-along.y, along.x);
    float halfWidth = 0.5 * lineWidth;
    vec2 offsetA1 = (across - along) * halfWidth / halfViewport;
    vec2 offsetA2 = (-across - along) * halfWidth / halfViewport;
    vec2 offsetB1 = (across + along) * halfWidth / halfViewport;
    vec2 offsetB2 = (-across + along) * halfWidth / halfViewport;
    gl_Position = vec4(a.xy + offsetA1 * a.w, a.zw); EmitVertex();
    gl_Position = vec4(a.xy + offsetA2 * a.w, a.zw); EmitVertex();
    gl_Position = vec4(b.xy + offsetB1 * b.w, b.zw); EmitVertex();
    gl_Position = vec4(b.xy + offsetB2 * b.w, b.zw); EmitVertex();
    EndPrimitive();
}
)";

const char* const FlatFragment = R"(
uniform vec4 color;
out vec4 fragColor;
void main()
{
    fragColor = shownColor(color);
}
)";

const char* const TextVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 2) in vec2 textureCoordinate;
uniform mat4 clipFromLocal;
out vec2 uv;
void main()
{
    gl_Position = clipFromLocal * vec4(position, 1.0);
    uv = textureCoordinate;
}
)";

// The glyph coverage composited over the background ("over" with straight alpha).
const char* const TextFragment = R"(
in vec2 uv;
uniform sampler2D glyphs;
uniform vec4 textColor;
uniform vec4 backgroundColor;
out vec4 fragColor;
void main()
{
    float coverage = texture(glyphs, uv).a * textColor.a;
    float alpha = coverage + backgroundColor.a * (1.0 - coverage);
    if (alpha <= 0.0)
        discard;
    vec3 rgb = (textColor.rgb * coverage + backgroundColor.rgb * backgroundColor.a * (1.0 - coverage)) / alpha;
    fragColor = shownColor(vec4(rgb, alpha));
}
)";

// One triangle that covers the whole viewport, made from the vertex index alone.
const char* const CompositeVertex = R"(#version 330 core
out vec2 uv;
void main()
{
    vec2 corner = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
    uv = corner;
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const CompositeFragment = R"(#version 330 core
in vec2 uv;
uniform sampler2D image;
out vec4 fragColor;
void main()
{
    fragColor = texture(image, uv);
}
)";

} // namespace

bool ShaderLibrary::create()
{
    m_errorLog.clear();
    const auto withPrelude = [](const char* fragment) { return QByteArray(FragmentPrelude) + fragment; };
    const bool solid = build(m_solid, SolidVertex, nullptr, withPrelude(SolidFragment));
    const bool line = build(m_line, LineVertex, LineGeometry, withPrelude(FlatFragment));
    const bool text = build(m_text, TextVertex, nullptr, withPrelude(TextFragment));
    const bool composite = build(m_composite, CompositeVertex, nullptr, CompositeFragment);
    const bool vertexLit = build(m_vertexLit, VertexLitVertex, nullptr, withPrelude(VertexLitFragment));
    return solid && line && text && composite && vertexLit;
}

bool ShaderLibrary::build(QOpenGLShaderProgram& program, const char* vertex, const char* geometry,
                          const QByteArray& fragment)
{
    bool ok = program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex);
    if (ok && geometry)
        ok = program.addShaderFromSourceCode(QOpenGLShader::Geometry, geometry);
    ok = ok && program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment);
    ok = ok && program.link();
    if (!ok)
        m_errorLog += program.log();
    return ok;
}

} // namespace Viewer
