#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using Kairn::Graphics::MeshRayIntersector;
using Kairn::Graphics::ProceduralMeshes;
using Kairn::Graphics::TriangleMesh;
using Ray = Kairn::Objects::Ray3<float>;

namespace {

constexpr std::size_t scannedModelTriangles = 1'000'000;

const TriangleMesh& model()
{
    static const TriangleMesh mesh = ProceduralMeshes::bumpyTorusKnot(scannedModelTriangles);
    return mesh;
}

// Rays as a mouse moving over the view would cast them: from points on a sphere around the model
// towards random points of its bounding box, so that most hit and some pass through the knot's
// holes.
std::vector<Ray> raysAtModel(std::size_t count)
{
    const Kairn::Objects::Box<float> bounds = model().bounds();
    std::mt19937 random(12345);
    std::normal_distribution<float> gaussian;
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<Ray> rays;
    rays.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Lumo::float3 eye = Lumo::normalized(Lumo::float3{gaussian(random), gaussian(random), gaussian(random)}) * 5.0f;
        const Lumo::float3 min = bounds.min(), max = bounds.max();
        const Lumo::float3 target{min.x + unit(random) * (max.x - min.x), min.y + unit(random) * (max.y - min.y),
                                  min.z + unit(random) * (max.z - min.z)};
        rays.emplace_back(eye, Lumo::normalized(target - eye));
    }
    return rays;
}

void BM_BuildHierarchy(benchmark::State& state)
{
    const TriangleMesh& mesh = model();
    for (auto _ : state) {
        MeshRayIntersector intersector(mesh);
        benchmark::DoNotOptimize(intersector.isValid());
    }
    state.counters["triangles"] = double(mesh.triangleCount());
}
BENCHMARK(BM_BuildHierarchy)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PickRandomRays(benchmark::State& state)
{
    static const MeshRayIntersector intersector(model());
    const std::vector<Ray> rays = raysAtModel(8192);
    std::size_t next = 0;
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto hit = intersector.intersect(rays[next]);
        hits += hit.has_value();
        benchmark::DoNotOptimize(hit);
        next = (next + 1) % rays.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hit_fraction"] = double(hits) / double(state.iterations());
}
BENCHMARK(BM_PickRandomRays);

} // namespace

BENCHMARK_MAIN();
