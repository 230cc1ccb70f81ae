#pragma once
// The FS1R's 88 algorithms as the diagram controls take them: built once
// from the instrument's algorithm table, kept until exit.
#include "controls/AlgorithmGraph.h"

#include "instrument/FmAlgorithm.h"

// Record v is the algorithm of value v.
AlgorithmGraphTable fs1rAlgorithmGraphs();
AlgorithmGraph toAlgorithmGraph(const FmAlgorithm& algorithm);
