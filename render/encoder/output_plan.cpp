#include "render/encoder/output_plan.h"

#include "render/encoder/encoder_failure.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// Video rates per kind. Normal quality uses each disc's own rates (VCD's constant 1150 kbit/s,
// SVCD's 2040/2516, DVD's 6000/9000) and 4 Mbit/s for AVI. High quality keeps photos sharp at
// the chosen frame size: DVD stays within the disc's 9.8 Mbit/s video peak, VCD and SVCD go
// past their discs' rates (their frame sizes already do), AVI doubles.
struct RateTable
{
    VideoRates normal;
    VideoRates high;
};

constexpr int kDiscBuffer = 1835008; // 224 KiB, the SVCD/DVD VBV buffer
constexpr int kVcdBuffer = 327680;   // 40 KiB

RateTable ratesOf(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Vcd:
        return {{1150, 1150, 1150, kVcdBuffer}, {3500, 4500, 0, kDiscBuffer}};
    case OutputKind::Svcd:
        return {{2040, 2516, 0, kDiscBuffer}, {6000, 8000, 0, kDiscBuffer}};
    case OutputKind::Dvd:
        return {{6000, 9000, 0, kDiscBuffer}, {8000, 9800, 0, kDiscBuffer}};
    case OutputKind::Avi:
        return {{4000, 0, 0, 0}, {8000, 0, 0, 0}};
    case OutputKind::Pictures:
        break;
    }
    return {};
}

VideoRates boundedHighRates(const VideoRates &high, const BitRateRequest &request)
{
    VideoRates rates = high;
    int target = request.targetKbps;
    if (request.peakKbps > 0)
        target = std::min(target, request.peakKbps);
    target = std::max(target, request.floorKbps);
    if (target > 0)
        rates.averageKbps = std::min(rates.averageKbps, target);
    if (rates.peakKbps > 0 && request.peakKbps > 0)
        rates.peakKbps = std::max(rates.averageKbps, std::min(rates.peakKbps, request.peakKbps));
    return rates;
}

[[noreturn]] void unsupported(const QString &path)
{
    throw EncoderFailure(MclErrorSettings, u"不支持的输出文件类型：“%1”。"_s.arg(path));
}

void planPictures(OutputPlan &plan)
{
    const QFileInfo info(plan.path);
    const QString ext = info.suffix().toLower();
    if (ext == u"jpg"_s || ext == u"jpeg"_s)
        plan.pictureFormat = PictureFormat::Jpg;
    else if (ext == u"bmp"_s)
        plan.pictureFormat = PictureFormat::Bmp;
    else if (ext == u"tga"_s)
        plan.pictureFormat = PictureFormat::Tga;
    else if (ext == u"pcx"_s)
        plan.pictureFormat = PictureFormat::Pcx;
    else
        unsupported(plan.path);

    const QString number = info.completeBaseName();
    bool isNumber = false;
    const int first = number.toInt(&isNumber);
    if (!isNumber || first < 0 || number.startsWith(u'+') || number.startsWith(u'-'))
        unsupported(plan.path);
    plan.kind = OutputKind::Pictures;
    plan.firstPictureNumber = first;
    plan.pictureDigits = int(number.size());
    plan.pictureExtension = info.suffix();
    plan.pictureFolder = info.path();
    plan.hasAudio = false;
    plan.muxer.clear();
    static const char *const codecs[] = {"mjpeg", "bmp", "targa", "pcx"};
    plan.videoCodec = QString::fromLatin1(codecs[int(plan.pictureFormat)]);
    plan.jpegQuality = plan.highQuality ? 2 : 5;
}

void planDisc(OutputPlan &plan, int preset, int standard)
{
    const bool ntsc = standard == MclStandardNtsc;
    plan.fpsNum = ntsc ? 30000 : 25;
    plan.fpsDen = ntsc ? 1001 : 1;
    plan.gop = ntsc ? 18 : 15;
    if (preset == MclPresetVcd) {
        plan.kind = OutputKind::Vcd;
        plan.muxer = u"vcd"_s;
        plan.videoCodec = u"mpeg1video"_s;
        plan.packetSize = 2324;
        // The 75 sectors a second of a VCD carry the normal rates only.
        plan.muxRate = plan.highQuality ? 0 : 1411200;
        plan.preloadMicroseconds = 440000;
    } else if (preset == MclPresetSvcd) {
        plan.kind = OutputKind::Svcd;
        plan.muxer = u"svcd"_s;
        plan.videoCodec = u"mpeg2video"_s;
        plan.packetSize = 2324;
    } else {
        plan.kind = OutputKind::Dvd;
        plan.muxer = u"dvd"_s;
        plan.videoCodec = u"mpeg2video"_s;
        plan.packetSize = 2048;
        plan.muxRate = 10080000;
    }
    if (plan.frameSize.isEmpty())
        plan.frameSize = preset == MclPresetVcd ? QSize(352, ntsc ? 240 : 288)
                       : preset == MclPresetSvcd ? QSize(480, ntsc ? 480 : 576)
                                                 : QSize(720, ntsc ? 480 : 576);
}

void planAudio(OutputPlan &plan, int codec)
{
    const bool mp2 = codec == MclAudioMp2;
    switch (plan.kind) {
    case OutputKind::Vcd:
    case OutputKind::Svcd:
        plan.audioCodec = u"mp2"_s;
        plan.sampleRate = 44100;
        plan.audioKbps = 224;
        break;
    case OutputKind::Dvd: {
        // MPEG audio is DVD audio on PAL discs only; NTSC discs carry AC-3. DVD audio is
        // sampled at 48 kHz whatever the codec.
        const bool mpegAudio = mp2 || plan.fpsNum == 25;
        plan.audioCodec = mpegAudio ? u"mp2"_s : u"ac3"_s;
        plan.sampleRate = 48000;
        plan.audioKbps = mpegAudio ? 224 : 448;
        break;
    }
    case OutputKind::Avi:
        plan.audioCodec = mp2 ? u"mp2"_s : u"libmp3lame"_s;
        plan.sampleRate = 44100;
        plan.audioKbps = mp2 ? 224 : 192;
        break;
    case OutputKind::Pictures:
        break;
    }
}

} // namespace

OutputPlan makeOutputPlan(const JobSettings &settings)
{
    OutputPlan plan;
    plan.path = settings.videoFile;
    if (plan.path.isEmpty())
        throw EncoderFailure(MclErrorSettings, u"没有指定输出文件。"_s);
    if (!settings.audioFile.isEmpty() && settings.audioFile != settings.videoFile)
        throw EncoderFailure(MclErrorSettings, u"声音只能与画面写入同一个文件。"_s);
    plan.highQuality = settings.bitRate.has_value();
    plan.truncateAudio = settings.truncateAudio;
    if (settings.frameSize)
        plan.frameSize = *settings.frameSize;

    const QString ext = QFileInfo(plan.path).suffix().toLower();
    if (settings.preset) {
        planDisc(plan, *settings.preset, settings.standard);
        plan.repeatForNtsc = settings.standard == MclStandardNtsc && settings.keepDuration;
    } else if (ext == u"avi"_s) {
        plan.kind = OutputKind::Avi;
        plan.muxer = u"avi"_s;
        plan.videoCodec = u"mpeg4"_s;
        plan.gop = 50;
    } else if (ext == u"mpg"_s || ext == u"mpeg"_s) {
        planDisc(plan, MclPresetDvd, MclStandardPal);
    } else {
        planPictures(plan);
        return plan;
    }

    const RateTable table = ratesOf(plan.kind);
    plan.rates = settings.bitRate ? boundedHighRates(table.high, *settings.bitRate) : table.normal;
    planAudio(plan, settings.audioCodec);
    return plan;
}

QString pictureFileName(const OutputPlan &plan, qint64 number)
{
    return plan.pictureFolder + u'/' + u"%1"_s.arg(number, plan.pictureDigits, 10, QChar(u'0')) + u'.'
         + plan.pictureExtension;
}

} // namespace velumo
