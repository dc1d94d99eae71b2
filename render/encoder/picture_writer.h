#pragma once

#include "render/encoder/av_handles.h"
#include "render/encoder/frame_converter.h"
#include "render/encoder/frame_writer.h"
#include "render/encoder/output_plan.h"

#include <QStringList>

#include <optional>

namespace velumo {

// A numbered picture sequence ("01.jpg", "02.jpg", …, "100.jpg"): one file per album frame,
// written from the encoder's packet. Without a frame size each picture keeps its frame's size.
class PictureWriter : public FrameWriter
{
public:
    explicit PictureWriter(const OutputPlan &plan);
    ~PictureWriter() override;

    void prepare(QSize firstFrameSize) override;
    void write(const QImage &frame, qint64 albumFrame) override;
    void finish() override;
    qint64 samplesWritten() const override { return 0; }

private:
    void openEncoder(QSize size);
    void receivePictures();
    void writeFile(const QString &name, const AVPacket *packet);

    OutputPlan m_plan;
    CodecContextPtr m_encoder;
    QSize m_encoderSize;
    std::optional<FrameConverter> m_converter;
    PacketPtr m_packet;
    QStringList m_written;
    bool m_finished = false;
};

} // namespace velumo
