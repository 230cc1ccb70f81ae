#pragma once
// Where the track labels of the formant-sequence graph stand: each as near
// its curve's start as it can be, none over another and all inside the
// graph. Works in pixels, without a window.
#include <vector>

class FseqLabelSpread {
public:
    struct Place {
        int column;
        int top;

        friend bool operator==(const Place&, const Place&) = default;
    };

    // labelHeight is the height of one label, areaHeight the graph's.
    FseqLabelSpread(int labelHeight, int areaHeight);

    // The top of each label (in the order of wanted) for the wanted tops:
    // labels keep their order down the graph, those that would meet are
    // pushed apart, and a run that would leave the graph is pushed back in.
    // When the graph cannot hold them all apart, they fill it from the top.
    std::vector<int> tops(const std::vector<int>& wanted) const;
    // The column and top of each label: as many columns as it takes to hold
    // every label inside the graph, labels dealt out to them in turn down
    // the graph, each column spread as tops() spreads one.
    std::vector<Place> places(const std::vector<int>& wanted) const;

private:
    int labelHeight_;
    int areaHeight_;
};
