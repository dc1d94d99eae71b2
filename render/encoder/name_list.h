#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace velumo {

// A list of source names: frame pictures (one frame each) or songs (counted in samples at
// their own rate when they are added).
class NameList
{
public:
    void add(const QString &name, int kind);
    bool nameAt(int index, QString *name) const;
    qint64 frameCount() const { return m_frames; }
    qint64 sampleCount() const { return m_samples; }

private:
    std::vector<QString> m_names;
    qint64 m_frames = 0;
    qint64 m_samples = 0;
};

} // namespace velumo
