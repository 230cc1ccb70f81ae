#pragma once
// One way from a setting of the formant-sequence page to its twin on the
// performance page: what is sent to the instrument (the user's edit, a file)
// is taken over and sent in turn, and recorded in the sending page's step;
// what the instrument sent with a sequence stays the sequence's, as the
// instrument keeps the performance's own. Owned by the panel manager; the
// parameters belong to the device's factory and may go first.
#include "params/ParameterListener.h"

class SentValueLink : public ParameterListener {
public:
    SentValueLink(Parameter& source, Parameter& target);
    ~SentValueLink() override;
    SentValueLink(const SentValueLink&) = delete;
    SentValueLink& operator=(const SentValueLink&) = delete;

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

private:
    Parameter* source_;
    Parameter* target_;
};
