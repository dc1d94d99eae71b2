#include "players/swf/reader/timeline_builder.h"

#include "players/swf/reader/place_object.h"

#include <string>

namespace velumo::swf {

TimelineBuilder::TimelineBuilder(Budget &budget)
    : m_budget(budget)
{
}

void TimelineBuilder::chargeCommand(std::size_t offset)
{
    if (++m_budget.commands > limits::kMaxCommandsInMovie)
        throwFormatError("the movie has more than " + std::to_string(limits::kMaxCommandsInMovie)
                             + " display commands and actions",
                         offset);
    m_frameHasContent = true;
}

void TimelineBuilder::showFrame(std::size_t offset)
{
    if (m_timeline.frames.size() >= limits::kMaxFrameCount)
        throwFormatError("a timeline has more than " + std::to_string(limits::kMaxFrameCount) + " frames", offset);
    if (++m_budget.frames > limits::kMaxFramesInMovie)
        throwFormatError("the movie has more than " + std::to_string(limits::kMaxFramesInMovie) + " frames in all",
                         offset);
    m_timeline.frames.push_back(std::move(m_frame));
    m_frame = Frame{};
    m_frameHasContent = false;
}

bool TimelineBuilder::add(Tag &tag)
{
    switch (tag.code) {
    case tag::ShowFrame:
        showFrame(tag.offset);
        return true;
    case tag::PlaceObject:
    case tag::PlaceObject2:
    case tag::PlaceObject3:
        chargeCommand(tag.offset);
        m_frame.commands.emplace_back(readPlaceObject(tag.body, tag.code));
        return true;
    case tag::RemoveObject:
    case tag::RemoveObject2:
        chargeCommand(tag.offset);
        m_frame.commands.emplace_back(readRemoveObject(tag.body, tag.code));
        return true;
    case tag::DoAction: {
        chargeCommand(tag.offset);
        const auto bytes = tag.body.rest();
        m_frame.actions.push_back(ActionBlock{{bytes.begin(), bytes.end()}});
        return true;
    }
    case tag::FrameLabel: {
        std::string name = tag.body.string(); // an anchor flag may follow
        const int frame = int(m_timeline.frames.size());
        if (m_frame.label.empty())
            m_frame.label = name;
        m_timeline.labels.emplace(std::move(name), frame);
        m_frameHasContent = true;
        return true;
    }
    default:
        return false;
    }
}

Timeline TimelineBuilder::finish(std::size_t frameCount, std::size_t offset)
{
    if (m_frameHasContent)
        showFrame(offset);
    while (m_timeline.frames.size() < frameCount)
        showFrame(offset);
    return std::move(m_timeline);
}

} // namespace velumo::swf
