#pragma once

// Collects the control tags of one timeline (the movie's or a sprite's) into frames.

#include "players/swf/model.h"
#include "players/swf/reader/limits.h"
#include "players/swf/reader/tag_reader.h"

namespace velumo::swf {

class TimelineBuilder
{
public:
    explicit TimelineBuilder(Budget &budget);

    // Adds a ShowFrame, PlaceObject*, RemoveObject*, DoAction or FrameLabel tag to the timeline.
    // Returns false, reading nothing, for any other tag.
    bool add(Tag &tag);

    // The timeline, padded with empty frames to `frameCount`. Content after the last ShowFrame
    // forms one more frame.
    Timeline finish(std::size_t frameCount, std::size_t offset);

private:
    void showFrame(std::size_t offset);
    void chargeCommand(std::size_t offset);

    Budget &m_budget;
    Timeline m_timeline;
    Frame m_frame;
    bool m_frameHasContent = false;
};

} // namespace velumo::swf
