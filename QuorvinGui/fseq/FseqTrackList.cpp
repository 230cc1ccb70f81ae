#include "fseq/FseqTrackList.h"

namespace {

bool isEdited(FseqTrack& track) { return track.editFlag().getValue() != 0; }

} // namespace

FseqTrack& FseqTrackList::add(std::unique_ptr<FseqTrack> track)
{
    tracks_.push_back(std::move(track));
    return *tracks_.back();
}

void FseqTrackList::setPoint(int x, int y)
{
    for (const auto& track : tracks_) {
        if (isEdited(*track))
            track->setPoint(x, y);
    }
}

void FseqTrackList::setSegment(int x0, int y0, int x1, int y1)
{
    for (const auto& track : tracks_) {
        if (isEdited(*track))
            track->setSegment(x0, y0, x1, y1);
    }
}
