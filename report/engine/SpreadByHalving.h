#pragma once

#include <vector>

// Adds n units of the given sign (+1 or -1) to positions first … last of values, halving the range
// recursively, so that single extra pixels land evenly along a line or over a column of gaps.
void SpreadByHalving(std::vector<int>& values, int first, int last, int n, int sign);

// Makes values sum to their sum plus difference: every position gets difference / count and the
// rest is spread by halving; a difference smaller than the count is spread by halving alone.
void StretchEvenly(std::vector<int>& values, int difference);
