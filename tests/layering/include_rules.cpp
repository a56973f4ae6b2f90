// The layers of the source tree, read from its include lines: which include breaks which rule.
#include "include_rules.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace layering {

namespace fs = std::filesystem;

namespace {

struct Include {
    int line = 0;
    bool system = false;  // <...> rather than "..."
    std::string target;
};

struct Source {
    std::string folder;  // "" for a file directly in src/
    std::vector<Include> includes;
};
using Tree = std::map<std::string, Source>;  // by the path below src/, in order

constexpr const char kPlatformRule[] = "only ui sees SDL, the picture and the font libraries";

// The libraries that src/ui keeps to itself.
bool PlatformHeader(const std::string& target) {
    return target.starts_with("SDL") || target == "jpeglib.h" || target == "png.h" ||
           target.starts_with("fontconfig/");
}

std::optional<Include> ParseInclude(std::string_view text) {
    constexpr std::string_view kBlank = " \t";
    size_t i = text.find_first_not_of(kBlank);
    if (i == text.npos || text[i] != '#') return std::nullopt;
    i = text.find_first_not_of(kBlank, i + 1);
    if (i == text.npos || text.substr(i, 7) != "include") return std::nullopt;
    i = text.find_first_not_of(kBlank, i + 7);
    if (i == text.npos || (text[i] != '"' && text[i] != '<')) return std::nullopt;
    const bool system = text[i] == '<';
    const size_t end = text.find(system ? '>' : '"', i + 1);
    if (end == text.npos) return std::nullopt;
    return Include{0, system, std::string(text.substr(i + 1, end - i - 1))};
}

std::vector<Include> ReadIncludes(const fs::path& file) {
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line)
        if (auto include = ParseInclude(text)) {
            include->line = line;
            found.push_back(*include);
        }
    return found;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

Tree ReadTree(const fs::path& src) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string path = entry.path().lexically_relative(src).generic_string();
        tree[path] = {FolderOf(path), ReadIncludes(entry.path())};
    }
    return tree;
}

// The platform header that a header of the tree brings in, through any number of others.
std::optional<std::string> PlatformThrough(const Tree& tree, const std::string& header,
                                           std::set<std::string>& seen) {
    const auto it = tree.find(header);
    if (it == tree.end() || !seen.insert(header).second) return std::nullopt;
    for (const Include& include : it->second.includes) {
        if (include.system && PlatformHeader(include.target)) return include.target;
        if (include.system) continue;
        if (auto found = PlatformThrough(tree, include.target, seen)) return found;
    }
    return std::nullopt;
}

std::string OrderRule(const std::string& own, const std::string& higher,
                      const std::string& target) {
    if (own == "ui") return "ui knows nothing of the game: includes \"" + target + "\"";
    return own + " stands below " + higher + ": it reaches " + higher +
           " through the table of upward calls (state/upcalls.h), not by including \"" + target +
           "\"";
}

void CheckOrder(const Tree& tree, const std::vector<std::string>& layers,
                std::vector<Breach>& breaches) {
    std::map<std::string, int> rank;
    for (size_t i = 0; i < layers.size(); ++i) rank[layers[i]] = int(i);
    const int top = int(layers.size());  // the files directly in src/
    auto rankOf = [&](const std::string& folder) -> std::optional<int> {
        if (folder.empty()) return top;
        const auto it = rank.find(folder);
        return it == rank.end() ? std::nullopt : std::optional<int>(it->second);
    };
    for (const auto& [path, source] : tree) {
        const std::optional<int> own = rankOf(source.folder);
        if (!own) {
            breaches.push_back(
                {path, 0, "the folder " + source.folder + " has no place among the layers"});
            continue;
        }
        for (const Include& include : source.includes) {
            auto breach = [&](std::string rule) {
                breaches.push_back({path, include.line, std::move(rule)});
            };
            if (include.system) {
                if (source.folder != "ui" && PlatformHeader(include.target))
                    breach(std::string(kPlatformRule) + ": includes <" + include.target + ">");
                continue;
            }
            const std::string folder = FolderOf(include.target);
            const std::optional<int> theirs = rankOf(folder);
            if (folder.empty() || !theirs) {
                breach("includes \"" + include.target + "\" from outside the layers");
            } else if (*theirs > *own) {
                breach(OrderRule(source.folder, folder, include.target));
            } else if (folder == "ui" && source.folder != "ui") {
                std::set<std::string> seen;
                if (auto platform = PlatformThrough(tree, include.target, seen))
                    breach(std::string(kPlatformRule) + ": \"" + include.target + "\" brings in <" +
                           *platform + ">");
            }
        }
    }
}

// The headers' includes of one another, each edge with the line it stands on.
using Graph = std::map<std::string, std::vector<std::pair<std::string, int>>>;

Graph HeaderGraph(const Tree& tree) {
    Graph graph;
    for (const auto& [path, source] : tree) {
        if (!path.ends_with(".h")) continue;
        auto& edges = graph[path];
        for (const Include& include : source.includes)
            if (!include.system && include.target.ends_with(".h") && tree.contains(include.target))
                edges.emplace_back(include.target, include.line);
    }
    return graph;
}

// The headers that reach one another, in groups (Tarjan's strongly connected components).
std::vector<std::set<std::string>> CycleGroups(const Graph& graph) {
    std::map<std::string, int> index, low;
    std::vector<std::string> stack;
    std::set<std::string> onStack;
    std::vector<std::set<std::string>> groups;
    int visited = 0;
    std::function<void(const std::string&)> visit = [&](const std::string& v) {
        index[v] = low[v] = visited++;
        stack.push_back(v);
        onStack.insert(v);
        for (const auto& [w, line] : graph.at(v)) {
            if (!index.contains(w)) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (onStack.contains(w)) {
                low[v] = std::min(low[v], index[w]);
            }
        }
        if (low[v] != index[v]) return;
        std::set<std::string> group;
        std::string w;
        do {
            w = stack.back();
            stack.pop_back();
            onStack.erase(w);
            group.insert(w);
        } while (w != v);
        const auto& edges = graph.at(v);
        const bool selfInclude =
            std::any_of(edges.begin(), edges.end(), [&](const auto& e) { return e.first == v; });
        if (group.size() > 1 || selfInclude) groups.push_back(std::move(group));
    };
    for (const auto& [v, edges] : graph)
        if (!index.contains(v)) visit(v);
    return groups;
}

// Each group is told once, at its first header by name: the include that starts the shortest
// way back to it.
void CheckCycles(const Tree& tree, std::vector<Breach>& breaches) {
    const Graph graph = HeaderGraph(tree);
    for (const std::set<std::string>& group : CycleGroups(graph)) {
        const std::string& start = *group.begin();
        std::map<std::string, std::pair<std::string, int>> cameFrom;  // header -> (from, line)
        std::deque<std::string> next{start};
        while (!next.empty() && !cameFrom.contains(start)) {
            const std::string v = next.front();
            next.pop_front();
            for (const auto& [w, line] : graph.at(v))
                if (group.contains(w) && !cameFrom.contains(w)) {
                    cameFrom[w] = {v, line};
                    next.push_back(w);
                }
        }
        std::vector<std::string> way{start};
        int firstLine = 0;
        for (std::string at = start;;) {
            const auto& [from, line] = cameFrom.at(at);
            way.push_back(from);
            if (from == start) {
                firstLine = line;
                break;
            }
            at = from;
        }
        std::reverse(way.begin(), way.end());
        std::string chain;
        for (const std::string& h : way) chain += (chain.empty() ? "" : " -> ") + h;
        breaches.push_back(
            {start, firstLine, "includes \"" + way[1] + "\", which leads back to it: " + chain});
    }
}

}  // namespace

std::string Describe(const Breach& breach) {
    return "src/" + breach.file + (breach.line > 0 ? ":" + std::to_string(breach.line) : "") +
           ": " + breach.rule;
}

std::vector<std::string> LayerNames(std::string_view spaced) {
    std::vector<std::string> names;
    size_t at = 0;
    while ((at = spaced.find_first_not_of(' ', at)) != spaced.npos) {
        const size_t end = std::min(spaced.find(' ', at), spaced.size());
        names.emplace_back(spaced.substr(at, end - at));
        at = end;
    }
    return names;
}

std::vector<Breach> CheckLayers(const fs::path& src, const std::vector<std::string>& layers) {
    const Tree tree = ReadTree(src);
    std::vector<Breach> breaches;
    CheckOrder(tree, layers, breaches);
    CheckCycles(tree, breaches);
    std::sort(breaches.begin(), breaches.end(), [](const Breach& a, const Breach& b) {
        return std::tie(a.file, a.line, a.rule) < std::tie(b.file, b.line, b.rule);
    });
    return breaches;
}

}  // namespace layering
