// The filter graphs kept for the DirectShow player: graphs in use at once
// are distinct, and a graph given back is taken again as empty as a new one,
// without its filters or clock.
#include <gtest/gtest.h>

#include <control.h>
#include <uuids.h>

#include <set>

#include "media/movie/pooled_filter_graph.h"
#include "movie_fixture.h"
#include "platform/com_ptr.h"

namespace {

class PooledFilterGraph : public MovieTest {};

int FiltersIn(IGraphBuilder* graph) {
    CComPtr<IEnumFilters> all;
    EXPECT_EQ(graph->EnumFilters(all.Put()), S_OK);
    int count = 0;
    IBaseFilter* filter = nullptr;
    while (all->Next(1, &filter, nullptr) == S_OK) {
        filter->Release();
        ++count;
    }
    return count;
}

bool HasClock(IGraphBuilder* graph) {
    CComPtr<IMediaFilter> timing;
    CComPtr<IReferenceClock> clock;
    EXPECT_EQ(graph->QueryInterface(IID_IMediaFilter, timing.PutVoid()), S_OK);
    timing->GetSyncSource(clock.Put());
    return static_cast<bool>(clock);
}

// A filter and a clock, as a movie leaves them in its graph.
void Use(IGraphBuilder* graph) {
    CComPtr<IBaseFilter> reader;
    ASSERT_EQ(CoCreateInstance(CLSID_AsyncReader, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reader.PutVoid()),
              S_OK);
    ASSERT_EQ(graph->AddFilter(reader.Get(), L"Reader"), S_OK);
    CComPtr<IReferenceClock> clock;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemClock, nullptr, CLSCTX_INPROC_SERVER, IID_IReferenceClock,
                               clock.PutVoid()),
              S_OK);
    CComPtr<IMediaFilter> timing;
    ASSERT_EQ(graph->QueryInterface(IID_IMediaFilter, timing.PutVoid()), S_OK);
    ASSERT_EQ(timing->SetSyncSource(clock.Get()), S_OK);
}

TEST_F(PooledFilterGraph, GraphsInUseAreDistinctAndOneGivenBackIsTakenAgainEmpty) {
    std::set<IGraphBuilder*> givenBack;
    {
        CPooledFilterGraph one;
        CPooledFilterGraph other;
        IGraphBuilder* graph = one.Take();
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(one.Take(), graph);
        ASSERT_NE(other.Take(), nullptr);
        EXPECT_NE(other.Take(), graph);
        for (IGraphBuilder* used : {one.Take(), other.Take()}) {
            ASSERT_NO_FATAL_FAILURE(Use(used));
            EXPECT_EQ(FiltersIn(used), 1);
            givenBack.insert(used);
        }
    }
    CPooledFilterGraph one;
    CPooledFilterGraph other;
    for (IGraphBuilder* taken : {one.Take(), other.Take()}) {
        EXPECT_EQ(givenBack.count(taken), 1u);
        EXPECT_EQ(FiltersIn(taken), 0);
        EXPECT_FALSE(HasClock(taken));
    }
}

}  // namespace
