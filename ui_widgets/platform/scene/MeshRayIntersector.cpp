#include "ui_widgets/platform/scene/MeshRayIntersector.h"

#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <embree3/rtcore.h>

#include <cmath>
#include <utility>

namespace Kairn::Graphics {

namespace {

// One Embree device serves every mesh of the process: a device owns a thread pool and its
// memory settings, so one per mesh would waste both. Scenes keep a reference on the device, so
// releasing it at exit is safe even for intersectors that outlive this holder.
class SharedDevice
{
public:
    static RTCDevice get()
    {
        static SharedDevice instance;
        return instance.m_device;
    }

private:
    SharedDevice() : m_device(rtcNewDevice(nullptr)) {}
    ~SharedDevice()
    {
        if (m_device)
            rtcReleaseDevice(m_device);
    }

    RTCDevice m_device;
};

// Embree stops the process on a ray with a component beyond about 1.8e18 (a pick in the frame of
// a node scaled down to almost nothing gets one); such a ray is reported as a miss instead.
bool withinEmbreeRange(const Kairn::Objects::Vector3<float>& v)
{
    constexpr float largest = 1.844e18f;
    return std::abs(v.x) <= largest && std::abs(v.y) <= largest && std::abs(v.z) <= largest;
}

RTCScene buildScene(const TriangleMesh& mesh)
{
    RTCDevice device = SharedDevice::get();
    if (!device)
        return nullptr;
    RTCGeometry geometry = rtcNewGeometry(device, RTC_GEOMETRY_TYPE_TRIANGLE);
    if (!geometry)
        return nullptr;
    auto* vertices = static_cast<float*>(rtcSetNewGeometryBuffer(
        geometry, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3, 3 * sizeof(float), mesh.vertexCount()));
    auto* triangles = static_cast<unsigned*>(rtcSetNewGeometryBuffer(
        geometry, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3, 3 * sizeof(unsigned), mesh.triangleCount()));
    if (!vertices || !triangles) {
        rtcReleaseGeometry(geometry);
        return nullptr;
    }
    for (const Lumo::float3& p : mesh.positions()) {
        *vertices++ = p.x;
        *vertices++ = p.y;
        *vertices++ = p.z;
    }
    for (std::uint32_t index : mesh.indices())
        *triangles++ = index;
    rtcCommitGeometry(geometry);

    RTCScene scene = rtcNewScene(device);
    if (!scene) {
        rtcReleaseGeometry(geometry);
        return nullptr;
    }
    rtcAttachGeometry(scene, geometry);
    rtcReleaseGeometry(geometry);
    rtcCommitScene(scene);
    if (rtcGetDeviceError(device) != RTC_ERROR_NONE) {
        rtcReleaseScene(scene);
        return nullptr;
    }
    return scene;
}

} // namespace

MeshRayIntersector::MeshRayIntersector(const TriangleMesh& mesh)
{
    if (!mesh.isValid())
        return;
    m_scene = buildScene(mesh);
    if (m_scene)
        m_triangleCount = mesh.triangleCount();
}

MeshRayIntersector::~MeshRayIntersector()
{
    release();
}

MeshRayIntersector::MeshRayIntersector(MeshRayIntersector&& other) noexcept
    : m_scene(std::exchange(other.m_scene, nullptr))
    , m_triangleCount(std::exchange(other.m_triangleCount, 0))
{
}

MeshRayIntersector& MeshRayIntersector::operator=(MeshRayIntersector&& other) noexcept
{
    if (this != &other) {
        release();
        m_scene = std::exchange(other.m_scene, nullptr);
        m_triangleCount = std::exchange(other.m_triangleCount, 0);
    }
    return *this;
}

void MeshRayIntersector::release()
{
    if (m_scene)
        rtcReleaseScene(static_cast<RTCScene>(m_scene));
    m_scene = nullptr;
    m_triangleCount = 0;
}

std::optional<MeshRayIntersector::Hit> MeshRayIntersector::intersect(const Kairn::Objects::Ray3<float>& ray,
                                                                      float tMax) const
{
    const Kairn::Objects::Vector3<float>& origin = ray.origin();
    const Kairn::Objects::Vector3<float>& direction = ray.direction();
    if (!m_scene || !ray.isValid() || !(tMax >= 0.0f) || !withinEmbreeRange(origin) || !withinEmbreeRange(direction))
        return std::nullopt;

    RTCIntersectContext context;
    rtcInitIntersectContext(&context);
    RTCRayHit query{};
    query.ray.org_x = origin.x;
    query.ray.org_y = origin.y;
    query.ray.org_z = origin.z;
    query.ray.dir_x = direction.x;
    query.ray.dir_y = direction.y;
    query.ray.dir_z = direction.z;
    query.ray.tnear = 0.0f;
    query.ray.tfar = tMax;
    query.ray.mask = ~0u;
    query.hit.geomID = RTC_INVALID_GEOMETRY_ID;
    query.hit.instID[0] = RTC_INVALID_GEOMETRY_ID;
    rtcIntersect1(static_cast<RTCScene>(m_scene), &context, &query);
    if (query.hit.geomID == RTC_INVALID_GEOMETRY_ID)
        return std::nullopt;

    Hit hit;
    hit.t = query.ray.tfar;
    hit.point = ray.pointAt(hit.t);
    hit.triangle = query.hit.primID;
    Lumo::float3 normal{query.hit.Ng_x, query.hit.Ng_y, query.hit.Ng_z};
    // Embree's normal follows the winding; the caller wants the side the ray arrived from.
    if (Lumo::dot(normal, Lumo::float3(direction)) > 0.0f)
        normal = -normal;
    hit.normal = Lumo::normalized(normal);
    return hit;
}

} // namespace Kairn::Graphics
