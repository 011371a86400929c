#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The files the site serves, all under one folder. A request path is looked up only inside it:
// "..", absolute paths, and links that lead out of the folder find nothing.
class ContentRoot
{
public:
    explicit ContentRoot(const std::filesystem::path &folder);

    bool valid() const { return !m_root.empty(); }

    enum class Kind { File, FolderWithoutSlash, Missing };
    struct Lookup
    {
        Kind kind = Kind::Missing;
        std::filesystem::path file; // for a file: the file to send
    };

    // The decoded request path ("/", "/samvidra/", "/samvidra/download/version.txt"). A folder
    // answers with its index.html or index.php; a folder asked for without its final slash is
    // reported so that the caller can redirect to it.
    Lookup find(const std::string &requestPath) const;

    // The media type of a file, by its extension.
    static std::string contentType(const std::filesystem::path &file);

private:
    std::optional<std::filesystem::path> inside(const std::filesystem::path &candidate) const;

    std::filesystem::path m_root;
};
