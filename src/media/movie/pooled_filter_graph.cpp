#include "media/movie/pooled_filter_graph.h"

#include <control.h>
#include <uuids.h>

#include <vector>

#include "platform/com_init.h"
#include "platform/com_ptr.h"

namespace {

// Leaves the graph as a new one is: stopped, every filter taken out (which
// disconnects them and lets them go) and no clock.
void Empty(IGraphBuilder* graph) {
    CComPtr<IMediaControl> control;
    if (graph->QueryInterface(IID_IMediaControl, control.PutVoid()) >= 0) control->Stop();
    std::vector<IBaseFilter*> filters;
    CComPtr<IEnumFilters> all;
    if (graph->EnumFilters(all.Put()) >= 0) {
        IBaseFilter* filter = nullptr;
        while (all->Next(1, &filter, nullptr) == S_OK) filters.push_back(filter);
    }
    for (IBaseFilter* filter : filters) {
        graph->RemoveFilter(filter);
        filter->Release();
    }
    CComPtr<IMediaFilter> timing;
    if (graph->QueryInterface(IID_IMediaFilter, timing.PutVoid()) >= 0) timing->SetSyncSource(nullptr);
}

// The graphs no movie holds, and the COM start made for every graph made.
class CGraphShelf {
public:
    CGraphShelf() = default;
    ~CGraphShelf() {
        for (IGraphBuilder* graph : free_) graph->Release();
        if (comStarted_) ComUninit();
    }
    CGraphShelf(const CGraphShelf&) = delete;
    CGraphShelf& operator=(const CGraphShelf&) = delete;

    IGraphBuilder* Take() {
        if (!free_.empty()) {
            IGraphBuilder* graph = free_.back();
            free_.pop_back();
            return graph;
        }
        if (!comStarted_) comStarted_ = ComInit() == 0;
        if (!comStarted_) return nullptr;
        IGraphBuilder* graph = nullptr;
        if (CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                             reinterpret_cast<void**>(&graph)) < 0) {
            return nullptr;
        }
        return graph;
    }

    void Keep(IGraphBuilder* graph) {
        Empty(graph);
        free_.push_back(graph);
    }

private:
    std::vector<IGraphBuilder*> free_;
    bool comStarted_ = false;
};

CGraphShelf& Shelf() {
    static CGraphShelf shelf;
    return shelf;
}

}  // namespace

CPooledFilterGraph::~CPooledFilterGraph() {
    if (graph_) Shelf().Keep(graph_);
}

IGraphBuilder* CPooledFilterGraph::Take() {
    if (!graph_) graph_ = Shelf().Take();
    return graph_;
}
