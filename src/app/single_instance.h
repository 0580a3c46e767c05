#pragma once

#include <memory>

class wxTopLevelWindow;

/// One Lapmark per user: the first start keeps its window ready to come to the front, and a later
/// start, instead of opening a second window over the first, asks the first to come to the front
/// and ends. A later start that the first cannot answer (it is ending, say) waits for it to go and
/// opens its own window: never none.
class SingleInstance
{
public:
    SingleInstance();
    ~SingleInstance();

    /// True when another Lapmark of this user runs (on Linux: with the same settings folder) and
    /// has come to the front. False for the first, for one whose first has gone meanwhile or
    /// never answered (after some seconds), and when no check can be made: then this one runs.
    bool AnotherRuns();
    /// From now on a later start brings `window` to the front. Only after AnotherRuns said false.
    void Serve(wxTopLevelWindow& window);

private:
    struct Channel;
    std::unique_ptr<Channel> m_channel;
};
