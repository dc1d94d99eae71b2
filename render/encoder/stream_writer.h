#pragma once

#include "render/encoder/audio_track.h"
#include "render/encoder/av_handles.h"
#include "render/encoder/frame_converter.h"
#include "render/encoder/frame_writer.h"
#include "render/encoder/output_plan.h"

#include <atomic>
#include <optional>

namespace velumo {

// A video file with its sound track: an MPEG program stream for the discs or an AVI.
class StreamWriter : public FrameWriter
{
public:
    StreamWriter(const OutputPlan &plan, std::vector<std::unique_ptr<SongInput>> songs);
    ~StreamWriter() override;

    void prepare(QSize firstFrameSize) override;
    void write(const QImage &frame, qint64 albumFrame) override;
    void finish() override;
    qint64 samplesWritten() const override { return m_samplesWritten.load(); }

private:
    void open(QSize frameSize);
    void openVideo(QSize frameSize);
    void openAudio();
    void openFile();
    void encodeVideo(AVFrame *frame);
    void encodeAudioUntil(qint64 samples);
    void encodeAudioFrame();
    void drain(AVCodecContext *encoder, AVStream *stream);
    void close();

    OutputPlan m_plan;
    std::vector<std::unique_ptr<SongInput>> m_pendingSongs;
    AVFormatContext *m_output = nullptr;
    bool m_fileOpen = false;
    bool m_finished = false;
    CodecContextPtr m_video;
    CodecContextPtr m_audio;
    AVStream *m_videoStream = nullptr;
    AVStream *m_audioStream = nullptr;
    std::optional<FrameConverter> m_converter;
    std::optional<AudioTrack> m_track;
    FramePtr m_audioFrame;
    PacketPtr m_packet;
    qint64 m_nextVideoPts = 0;
    std::atomic<qint64> m_samplesWritten = 0;
};

} // namespace velumo

namespace velumo {

// The sample format the output's sound encoder takes; AV_SAMPLE_FMT_NONE when the plan has no
// sound. Throws EncoderFailure when the encoder is missing.
AVSampleFormat soundFormatFor(const OutputPlan &plan);

} // namespace velumo
