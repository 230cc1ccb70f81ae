#pragma once
// The four builders that fill a voice page's groups, run once by the page
// in this order: the operators read the algorithm selector the common
// section makes.
class VoicePanel;

namespace VoiceSections {

// Titles, save buttons, name, category, note shift, track assignment,
// pitch envelope, algorithm and the FM and formant modifiers.
void buildCommonGroups(VoicePanel& page);
// The eight voiced operator strips, then the eight unvoiced operator rows.
void buildOperatorGroups(VoicePanel& page);
void buildLfoGroups(VoicePanel& page);
void buildFilterGroup(VoicePanel& page);

} // namespace VoiceSections
