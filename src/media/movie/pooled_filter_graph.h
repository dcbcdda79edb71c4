// A filter graph for one DirectShow movie, taken from the graphs the program
// keeps for its movies. Wine 8's filter graph never closes one of the events
// it makes, so each graph made costs the process a handle for good: a graph
// is made only when every kept one is in use, and the graph of a movie that
// goes is emptied and kept for the next. The kept graphs hold COM started
// until the program ends. Main thread only.
#pragma once

#include <windows.h>
#include <strmif.h>

class CPooledFilterGraph {
public:
    CPooledFilterGraph() = default;
    // Gives the graph back, stopped and without filters or clock.
    ~CPooledFilterGraph();
    CPooledFilterGraph(const CPooledFilterGraph&) = delete;
    CPooledFilterGraph& operator=(const CPooledFilterGraph&) = delete;

    // Takes a free kept graph, or makes one, the first time; the graph held
    // every later time. Null when none can be made.
    IGraphBuilder* Take();

private:
    IGraphBuilder* graph_ = nullptr;
};
