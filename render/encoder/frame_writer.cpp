#include "render/encoder/frame_writer.h"

#include "render/encoder/picture_writer.h"
#include "render/encoder/stream_writer.h"

namespace velumo {

std::unique_ptr<FrameWriter> makeFrameWriter(const OutputPlan &plan, std::vector<std::unique_ptr<SongInput>> songs)
{
    if (plan.isPictures())
        return std::make_unique<PictureWriter>(plan);
    return std::make_unique<StreamWriter>(plan, std::move(songs));
}

} // namespace velumo
