#include "players/swf/runtime/movie_runtime.h"

#include <algorithm>
#include <charconv>

namespace velumo::swf {

namespace {

constexpr std::size_t kMaxMessages = 1000;
constexpr std::size_t kMaxPathParts = 64;

// Whether a clip stops on its last frame instead of looping.
bool holdsAtEnd(const Timeline &timeline)
{
    if (timeline.frames.empty())
        return true;
    for (const ActionBlock &block : timeline.frames.back().actions) {
        if (!block.bytes.empty() && block.bytes.front() == 0x07)
            return true;
    }
    return false;
}

std::vector<std::string_view> splitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '.' || path[i] == '/') {
            // ".." between slashes names the parent; keep it whole.
            if (i < path.size() && path[i] == '.' && i + 1 < path.size() && path[i + 1] == '.' && i == start) {
                parts.push_back(path.substr(start, 2));
                i += 1;
                start = i + 1;
                continue;
            }
            if (i > start)
                parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

bool levelNumber(std::string_view part, int &number)
{
    if (part.size() <= 6)
        return false;
    std::string lower(part.substr(0, 6));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (lower != "_level")
        return false;
    const auto digits = part.substr(6);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return result.ec == std::errc() && result.ptr == digits.data() + digits.size() && number >= 0 && number < 10000;
}

std::size_t subtreeSize(const Instance &instance)
{
    std::size_t n = 1;
    for (const auto &[depth, child] : instance.children)
        n += subtreeSize(*child);
    return n;
}

} // namespace

MovieRuntime::MovieRuntime(std::shared_ptr<const Movie> movie, PictureLoader loader, Limits limits)
    : m_movie(std::move(movie))
    , m_loader(std::move(loader))
    , m_limits(limits)
    , m_interpreter(*this)
{
    auto root = std::make_unique<Instance>();
    root->kind = Instance::Kind::Clip;
    root->name = "_level0";
    root->timeline = &m_movie->root;
    root->currentFrame = -1;
    m_levels[0] = std::move(root);
    m_instances = 1;
}

MovieRuntime::~MovieRuntime() = default;

void MovieRuntime::start()
{
    m_interpreter.resetBudget();
    seek(root(), 0, true);
    runQueuedActions();
}

void MovieRuntime::gotoRootFrame(int frame)
{
    m_interpreter.resetBudget();
    seek(root(), frame, true);
    runQueuedActions();
}

std::string MovieRuntime::variable(const std::string &path)
{
    const Value value = m_interpreter.getVariable(root(), path);
    return value.isUndefined() ? std::string() : value.toString(m_movie->version);
}

void MovieRuntime::setVariable(const std::string &path, const std::string &value)
{
    m_interpreter.setVariable(root(), path, Value::string(value));
}

std::vector<std::pair<std::string, std::string>> MovieRuntime::takeFsCommands()
{
    return std::exchange(m_fsCommands, {});
}

std::vector<std::string> MovieRuntime::takeWarnings()
{
    return std::exchange(m_warnings, {});
}

Instance *MovieRuntime::resolveTarget(Instance &from, std::string_view path)
{
    Instance *at = &from;
    if (path.empty())
        return at;
    if (path.front() == '/') {
        while (at->parent != nullptr)
            at = at->parent;
    }
    const auto parts = splitPath(path);
    if (parts.size() > kMaxPathParts)
        return nullptr;
    const bool caseSensitive = m_movie->version >= 7;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        int level = 0;
        if (part == "_root") {
            while (at->parent != nullptr)
                at = at->parent;
        } else if (i == 0 && levelNumber(part, level)) {
            const auto found = m_levels.find(level);
            if (found == m_levels.end())
                return nullptr;
            at = found->second.get();
        } else if (part == "this") {
            continue;
        } else if (part == "_parent" || part == "..") {
            at = at->parent;
            if (at == nullptr)
                return nullptr;
        } else {
            at = at->childNamed(std::string(part), caseSensitive);
            if (at == nullptr)
                return nullptr;
        }
    }
    return at;
}

void MovieRuntime::gotoFrame(Instance &clip, int frame)
{
    clip.playing = false;
    seek(clip, frame, clip.parent == nullptr);
}

bool MovieRuntime::gotoLabel(Instance &clip, std::string_view label)
{
    if (clip.timeline == nullptr)
        return false;
    for (const auto &[name, frame] : clip.timeline->labels) {
        const bool same = m_movie->version >= 7
                              ? name == label
                              : std::equal(name.begin(), name.end(), label.begin(), label.end(), [](char a, char b) {
                                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                                });
        if (same) {
            gotoFrame(clip, frame);
            return true;
        }
    }
    return false;
}

void MovieRuntime::loadMovie(Instance &current, const std::string &url, const std::string &target)
{
    QString problem;
    std::shared_ptr<const QImage> picture = m_loader.load(url, &problem);
    if (!picture)
        warn("loadMovie " + url + ": " + problem.toStdString());

    Instance *clip = nullptr;
    int level = 0;
    if (levelNumber(target, level)) {
        if (level == 0) {
            warn("loadMovie into _level0 refused: it would replace the movie itself");
            return;
        }
        auto levelRoot = std::make_unique<Instance>();
        levelRoot->kind = Instance::Kind::Clip;
        levelRoot->name = "_level" + std::to_string(level);
        if (auto old = m_levels.find(level); old != m_levels.end())
            m_instances -= subtreeSize(*old->second);
        clip = levelRoot.get();
        m_levels[level] = std::move(levelRoot);
        ++m_instances;
    } else {
        clip = resolveTarget(current, target);
        if (clip == nullptr || clip->kind != Instance::Kind::Clip) {
            warn("loadMovie: no clip " + target);
            return;
        }
    }

    // The clip keeps its name, matrix, colour and depth; its content becomes the picture.
    for (const auto &[depth, child] : clip->children)
        m_instances -= subtreeSize(*child);
    clip->children.clear();
    clip->timeline = nullptr;
    clip->currentFrame = 0;
    clip->visible = true;
    if (!picture)
        return;
    auto child = std::make_unique<Instance>();
    child->kind = Instance::Kind::Picture;
    child->picture = std::move(picture);
    child->depth = 1;
    child->parent = clip;
    clip->children[1] = std::move(child);
    ++m_instances;
}

void MovieRuntime::fsCommand(const std::string &command, const std::string &args)
{
    if (m_fsCommands.size() < kMaxMessages)
        m_fsCommands.emplace_back(command, args);
}

void MovieRuntime::warn(const std::string &message)
{
    if (m_warnings.size() < kMaxMessages)
        m_warnings.push_back(message);
}

void MovieRuntime::seek(Instance &clip, int frame, bool runActions)
{
    if (clip.timeline == nullptr)
        return;
    const int count = clip.frameCount();
    if (frame < 0)
        frame = 0;
    if (frame >= count) {
        frame = count - 1;
        runActions = false;
    }
    if (frame == clip.currentFrame)
        return;
    if (frame > clip.currentFrame) {
        for (int f = clip.currentFrame + 1; f <= frame; ++f)
            applyFrame(clip, f);
    } else {
        rebuild(clip, frame);
    }
    clip.currentFrame = frame;
    advanceNestedClips(clip);
    if (runActions && clip.parent == nullptr && std::size_t(frame) < clip.timeline->frames.size()) {
        int level = 0;
        levelNumber(clip.name, level);
        for (const ActionBlock &block : clip.timeline->frames[std::size_t(frame)].actions)
            m_queue.emplace_back(level, &block);
    }
}

void MovieRuntime::applyFrame(Instance &clip, int frameIndex)
{
    if (std::size_t(frameIndex) >= clip.timeline->frames.size())
        return;
    for (const DisplayCommand &command : clip.timeline->frames[std::size_t(frameIndex)].commands) {
        if (const auto *place = std::get_if<PlaceCommand>(&command)) {
            applyPlace(clip, *place, frameIndex);
        } else {
            const auto &remove = std::get<RemoveCommand>(command);
            if (const auto found = clip.children.find(remove.depth); found != clip.children.end()) {
                m_instances -= subtreeSize(*found->second);
                clip.children.erase(found);
            }
        }
    }
}

void MovieRuntime::applyPlace(Instance &clip, const PlaceCommand &command, int frameIndex)
{
    const auto existing = clip.children.find(command.depth);
    const bool fresh = !command.move || existing == clip.children.end();
    if (fresh) {
        if (!command.characterId)
            return;
        std::unique_ptr<Instance> instance = instantiate(*command.characterId, clip);
        if (!instance)
            return;
        instance->depth = command.depth;
        instance->placeFrame = frameIndex;
        applyFields(*instance, command);
        if (existing != clip.children.end())
            m_instances -= subtreeSize(*existing->second);
        Instance *placed = instance.get();
        clip.children[command.depth] = std::move(instance);
        seek(*placed, 0, false);
        return;
    }
    Instance &instance = *existing->second;
    if (command.characterId && *command.characterId != instance.characterId)
        setCharacter(instance, *command.characterId);
    applyFields(instance, command);
}

void MovieRuntime::rebuild(Instance &clip, int frame)
{
    struct Folded
    {
        PlaceCommand place;
        int placeFrame = 0;
    };
    std::map<int, Folded> folded;
    for (int f = 0; f <= frame && std::size_t(f) < clip.timeline->frames.size(); ++f) {
        for (const DisplayCommand &command : clip.timeline->frames[std::size_t(f)].commands) {
            if (const auto *place = std::get_if<PlaceCommand>(&command)) {
                const auto at = folded.find(place->depth);
                if (!place->move || at == folded.end()) {
                    if (place->characterId)
                        folded[place->depth] = {*place, f};
                    continue;
                }
                PlaceCommand &merged = at->second.place;
                if (place->characterId)
                    merged.characterId = place->characterId;
                if (place->matrix)
                    merged.matrix = place->matrix;
                if (place->colorTransform)
                    merged.colorTransform = place->colorTransform;
                if (place->ratio)
                    merged.ratio = place->ratio;
                if (place->name)
                    merged.name = place->name;
                if (place->clipDepth)
                    merged.clipDepth = place->clipDepth;
                if (place->visible)
                    merged.visible = place->visible;
            } else {
                folded.erase(std::get<RemoveCommand>(command).depth);
            }
        }
    }

    for (auto it = clip.children.begin(); it != clip.children.end();) {
        Instance &child = *it->second;
        const auto wanted = folded.find(it->first);
        const bool scriptMade = child.placeFrame < 0;
        const bool survives = wanted != folded.end() && wanted->second.place.characterId == child.characterId;
        if (scriptMade || survives) {
            if (survives) {
                // Fields absent from the folded placement fall back to their defaults.
                child.matrix = Matrix{};
                child.colorTransform = ColorTransform{};
                child.ratio = 0;
                child.clipDepth = 0;
                applyFields(child, wanted->second.place);
                child.placeFrame = wanted->second.placeFrame;
                folded.erase(wanted);
            }
            ++it;
        } else {
            m_instances -= subtreeSize(child);
            it = clip.children.erase(it);
        }
    }
    for (const auto &[depth, entry] : folded) {
        PlaceCommand fresh = entry.place;
        fresh.move = false;
        applyPlace(clip, fresh, entry.placeFrame);
    }
}

void MovieRuntime::advanceNestedClips(Instance &clip)
{
    for (const auto &[depth, child] : clip.children) {
        if (child->kind != Instance::Kind::Clip || child->timeline == nullptr || child->placeFrame < 0)
            continue;
        const int count = child->frameCount();
        if (count <= 1)
            continue;
        const int age = std::max(0, clip.currentFrame - child->placeFrame);
        const int local = holdsAtEnd(*child->timeline) ? std::min(age, count - 1) : age % count;
        seek(*child, local, false);
    }
}

std::unique_ptr<Instance> MovieRuntime::instantiate(std::uint16_t characterId, Instance &parent)
{
    if (nesting(parent) >= m_limits.maxNesting) {
        warn("clips nested too deeply");
        return nullptr;
    }
    if (m_instances >= m_limits.maxInstances) {
        warn("too many objects on the display lists");
        return nullptr;
    }
    if (m_movie->dictionary.find(characterId) == m_movie->dictionary.end()) {
        warn("placed character " + std::to_string(characterId) + " is not defined");
        return nullptr;
    }
    auto instance = std::make_unique<Instance>();
    instance->parent = &parent;
    setCharacter(*instance, characterId);
    ++m_instances;
    return instance;
}

void MovieRuntime::setCharacter(Instance &instance, std::uint16_t characterId)
{
    const auto found = m_movie->dictionary.find(characterId);
    if (found == m_movie->dictionary.end())
        return;
    for (const auto &[depth, child] : instance.children)
        m_instances -= subtreeSize(*child);
    instance.children.clear();
    instance.characterId = characterId;
    instance.shape = nullptr;
    instance.picture.reset();
    instance.timeline = nullptr;
    if (const auto *shape = std::get_if<ShapeDef>(&found->second)) {
        instance.kind = Instance::Kind::Shape;
        instance.shape = shape;
    } else if (const auto *bitmap = std::get_if<BitmapDef>(&found->second)) {
        instance.kind = Instance::Kind::Picture;
        // Shares the movie's ownership: the picture lives as long as the movie.
        instance.picture = std::shared_ptr<const QImage>(m_movie, &bitmap->image);
    } else {
        instance.kind = Instance::Kind::Clip;
        instance.timeline = &std::get<SpriteDef>(found->second).timeline;
        instance.currentFrame = -1;
    }
}

void MovieRuntime::applyFields(Instance &instance, const PlaceCommand &command)
{
    if (command.matrix)
        instance.matrix = *command.matrix;
    if (command.colorTransform)
        instance.colorTransform = *command.colorTransform;
    if (command.ratio)
        instance.ratio = *command.ratio;
    if (command.name)
        instance.name = *command.name;
    if (command.clipDepth)
        instance.clipDepth = *command.clipDepth;
    if (command.visible)
        instance.visible = *command.visible;
}

void MovieRuntime::runQueuedActions()
{
    if (m_runningQueue)
        return;
    m_runningQueue = true;
    int budget = m_limits.maxQueuedBlocks;
    while (!m_queue.empty()) {
        if (budget-- <= 0) {
            warn("frame actions keep sending the movie elsewhere: stopped");
            m_queue.clear();
            break;
        }
        const auto [levelIndex, block] = m_queue.front();
        m_queue.pop_front();
        const auto level = m_levels.find(levelIndex);
        if (level != m_levels.end())
            m_interpreter.run(*level->second, *block);
    }
    m_runningQueue = false;
}

int MovieRuntime::nesting(const Instance &instance) const
{
    int n = 0;
    for (const Instance *at = &instance; at->parent != nullptr; at = at->parent)
        ++n;
    return n;
}

RenderNode MovieRuntime::renderTree() const
{
    RenderNode stage;
    stage.kind = RenderNode::Kind::Group;
    for (const auto &[level, instance] : m_levels)
        appendRenderNodes(*instance, stage);
    return stage;
}

void MovieRuntime::appendRenderNodes(const Instance &instance, RenderNode &into) const
{
    RenderNode node;
    node.matrix = instance.matrix;
    node.colorTransform = instance.colorTransform;
    node.depth = instance.depth;
    node.clipDepth = instance.clipDepth;
    node.visible = instance.visible;
    switch (instance.kind) {
    case Instance::Kind::Shape:
        node.kind = RenderNode::Kind::Shape;
        node.shape = instance.shape;
        break;
    case Instance::Kind::Picture:
        node.kind = RenderNode::Kind::Picture;
        node.picture = instance.picture.get();
        break;
    case Instance::Kind::Clip:
        node.kind = RenderNode::Kind::Group;
        node.children.reserve(instance.children.size());
        for (const auto &[depth, child] : instance.children)
            appendRenderNodes(*child, node);
        break;
    }
    into.children.push_back(std::move(node));
}

} // namespace velumo::swf
