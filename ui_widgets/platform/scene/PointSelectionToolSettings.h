#pragma once

namespace Kairn::Graphics {

// The two options of a point selection tool. "Tagged only" restricts picks to top-level nodes
// that carry at least one attachment (every node a widget owns is tagged with its widget), so
// transient decoration is never grabbed. "Include hidden" lets picks hit invisible nodes too.
// Both are off by default.
class PointSelectionToolSettings
{
public:
    void setTaggedOnly(bool taggedOnly) { m_taggedOnly = taggedOnly; }
    bool isTaggedOnly() const { return m_taggedOnly; }
    void setIncludeHidden(bool includeHidden) { m_includeHidden = includeHidden; }
    bool isIncludeHidden() const { return m_includeHidden; }

private:
    bool m_taggedOnly = false;
    bool m_includeHidden = false;
};

} // namespace Kairn::Graphics
