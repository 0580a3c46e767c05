#pragma once

#include <memory>

class wxTopLevelWindow;

/// One Lapmark per user: the first start keeps its window ready to come to the front, and a later
/// start, instead of opening a second window over the first, asks the first to come to the front
/// and ends.
class SingleInstance
{
public:
    SingleInstance();
    ~SingleInstance();

    /// True when another Lapmark of this user runs (on Linux: with the same settings folder); it
    /// has been asked to come to the front. False for the first, and when no check can be made
    /// (then this one runs as ever).
    bool AnotherRuns();
    /// From now on a later start brings `window` to the front. Only after AnotherRuns said false.
    void Serve(wxTopLevelWindow& window);

private:
    struct Channel;
    std::unique_ptr<Channel> m_channel;
};
