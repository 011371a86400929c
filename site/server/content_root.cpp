#include "content_root.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

ContentRoot::ContentRoot(const fs::path &folder)
{
    std::error_code error;
    const fs::path canonical = fs::canonical(folder, error);
    if (!error && fs::is_directory(canonical, error))
        m_root = canonical;
}

std::optional<fs::path> ContentRoot::inside(const fs::path &candidate) const
{
    std::error_code error;
    const fs::path real = fs::canonical(candidate, error);
    if (error)
        return std::nullopt;
    // The real path, links resolved, must still lie under the root.
    const auto [rootEnd, realAt] = std::mismatch(m_root.begin(), m_root.end(), real.begin(), real.end());
    if (rootEnd != m_root.end())
        return std::nullopt;
    return real;
}

ContentRoot::Lookup ContentRoot::find(const std::string &requestPath) const
{
    if (!valid() || requestPath.empty() || requestPath.front() != '/'
        || requestPath.find('\0') != std::string::npos || requestPath.find('\\') != std::string::npos)
        return {};
    // Every segment must be a plain name: no "..", no ".", no empty segment but a final one.
    fs::path relative;
    size_t start = 1;
    bool endsWithSlash = false;
    while (start <= requestPath.size()) {
        const size_t end = std::min(requestPath.find('/', start), requestPath.size());
        const std::string segment = requestPath.substr(start, end - start);
        if (segment.empty()) {
            if (end != requestPath.size())
                return {};
            endsWithSlash = true;
            break;
        }
        if (segment == "." || segment == "..")
            return {};
        relative /= segment;
        start = end + 1;
    }

    const std::optional<fs::path> found = inside(m_root / relative);
    if (!found)
        return {};
    std::error_code error;
    if (fs::is_directory(*found, error)) {
        if (!endsWithSlash && !relative.empty())
            return {Kind::FolderWithoutSlash, {}};
        for (const char *index : {"index.html", "index.php"}) {
            if (const std::optional<fs::path> page = inside(*found / index);
                page && fs::is_regular_file(*page, error))
                return {Kind::File, *page};
        }
        return {};
    }
    if (endsWithSlash || !fs::is_regular_file(*found, error))
        return {};
    return {Kind::File, *found};
}

std::string ContentRoot::contentType(const fs::path &file)
{
    static const std::map<std::string, std::string> types = {
        {".php", "text/html; charset=utf-8"},  {".html", "text/html; charset=utf-8"},
        {".htm", "text/html; charset=utf-8"},  {".txt", "text/plain; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},   {".js", "text/javascript; charset=utf-8"},
        {".json", "application/json"},         {".svg", "image/svg+xml"},
        {".png", "image/png"},                 {".jpg", "image/jpeg"},
        {".jpeg", "image/jpeg"},               {".gif", "image/gif"},
        {".ico", "image/x-icon"},              {".mp4", "video/mp4"},
        {".webm", "video/webm"},               {".mp3", "audio/mpeg"},
        {".wav", "audio/wav"},                 {".pdf", "application/pdf"},
        {".zip", "application/zip"},
    };
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto found = types.find(extension);
    return found == types.end() ? "application/octet-stream" : found->second;
}
