// Checks the layer rule of src/: a folder includes only itself and the
// folders below it, the program's resource header only from app/, and no file
// built as pure code includes <windows.h>, itself or through our headers.
//
//   layer_check <source root>
//
// Prints each breach as "file:line: why" and exits 1 when there is any.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Higher ranks may include lower ones; equal ranks (siblings) may not include each other.
const std::map<std::string, int> kLayerRank = {
    {"core", 0}, {"toolkit", 1}, {"ui", 2}, {"monitors", 3}, {"clocksync", 3}, {"dialogs", 4}, {"app", 5},
};
constexpr char kTopLayer[] = "app";
constexpr char kResourceHeader[] = "resource.h";

struct Include {
    int line;
    std::string name;
    bool system; // <...> rather than "..."
};

std::vector<Include> IncludesOf(const fs::path& file) {
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch m;
        if (std::regex_search(text, m, directive)) found.push_back({line, m[2].str(), m[1].str() == "<"});
    }
    return found;
}

std::string LayerOf(const std::string& includeName) {
    const auto slash = includeName.find('/');
    return slash == std::string::npos ? std::string() : includeName.substr(0, slash);
}

class Checker {
public:
    explicit Checker(fs::path root) : root_(std::move(root)) {}

    void CheckLayers() {
        for (const auto& entry : fs::recursive_directory_iterator(root_ / "src")) {
            if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
            const std::string own = fs::relative(entry.path(), root_ / "src").begin()->string();
            const auto ownRank = kLayerRank.find(own);
            if (ownRank == kLayerRank.end()) {
                Breach(entry.path(), 0, "folder " + own + " is no known layer");
                continue;
            }
            for (const Include& inc : IncludesOf(entry.path())) {
                if (inc.system) continue;
                if (inc.name == kResourceHeader && own != kTopLayer)
                    Breach(entry.path(), inc.line, "only app/ may include " + inc.name);
                const std::string layer = LayerOf(inc.name);
                const auto rank = kLayerRank.find(layer);
                if (rank == kLayerRank.end() || layer == own) continue;
                if (rank->second >= ownRank->second)
                    Breach(entry.path(), inc.line, own + "/ may not include " + inc.name);
            }
        }
    }

    // Every file a layer's files.cmake lists as pure must stay free of <windows.h>.
    void CheckPureFiles() {
        for (const char* tree : {"src", "tests"}) {
            if (!fs::is_directory(root_ / tree)) continue;
            for (const auto& folder : fs::directory_iterator(root_ / tree))
                if (fs::exists(folder.path() / "files.cmake")) CheckPureList(folder.path() / "files.cmake");
        }
    }

    int Breaches() const { return breaches_; }

private:
    void CheckPureList(const fs::path& list) {
        static const std::regex pureList(R"(kn_pure_(sources|tests)\(([^)]*)\))");
        std::ifstream in(list);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator m(text.begin(), text.end(), pureList), end; m != end; ++m) {
            std::istringstream names((*m)[2].str());
            for (std::string name; names >> name;) {
                const fs::path file = list.parent_path() / name;
                std::vector<std::string> chain;
                if (ReachesWindows(file, chain))
                    Breach(file, 0, "listed as pure but includes <windows.h> " + Join(chain));
            }
        }
    }

    static bool IsSource(const fs::path& p) {
        const auto ext = p.extension();
        return ext == ".h" || ext == ".cpp";
    }

    // Follows our own includes (resolved against src/) down to <windows.h>.
    bool ReachesWindows(const fs::path& file, std::vector<std::string>& chain) {
        const std::string key = fs::weakly_canonical(file).string();
        if (!visiting_.insert(key).second) return false; // seen on this walk or already clean
        for (const Include& inc : IncludesOf(file)) {
            if (inc.system) {
                if (inc.name == "windows.h") {
                    chain.push_back(file.filename().string());
                    visiting_.erase(key);
                    return true;
                }
                continue;
            }
            for (const fs::path& candidate : {root_ / "src" / inc.name, file.parent_path() / inc.name}) {
                if (!fs::exists(candidate)) continue;
                if (ReachesWindows(candidate, chain)) {
                    chain.insert(chain.begin(), file.filename().string());
                    visiting_.erase(key);
                    return true;
                }
                break;
            }
        }
        return false;
    }

    static std::string Join(const std::vector<std::string>& chain) {
        std::string text = "(through";
        for (const auto& name : chain) text += " " + name;
        return text + ")";
    }

    void Breach(const fs::path& file, int line, const std::string& why) {
        std::cout << fs::relative(file, root_).generic_string() << ':' << line << ": " << why << '\n';
        ++breaches_;
    }

    fs::path root_;
    std::set<std::string> visiting_;
    int breaches_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: layer_check <source root>\n";
        return 2;
    }
    Checker checker(argv[1]);
    checker.CheckLayers();
    checker.CheckPureFiles();
    if (checker.Breaches() == 0) std::cout << "layer rule kept\n";
    return checker.Breaches() == 0 ? 0 : 1;
}
