#pragma once

// The relationships of a part (its _rels/*.rels part) and the content types
// of the package.

#include <optional>
#include <string>
#include <vector>

#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::word {

inline constexpr const char* kRelOfficeDocument = "/officeDocument";
inline constexpr const char* kRelStyles = "/styles";
inline constexpr const char* kRelSettings = "/settings";
inline constexpr const char* kRelTheme = "/theme";

struct Relationship {
    std::string id;
    std::string type;    // the full type URI
    std::string target;  // as written
    std::string part;    // resolved part name ("" for an external target)
};

// The relationships of `sourcePart` ("" for the package's own), empty when
// the rels part is missing or unreadable.
std::vector<Relationship> ReadRelationships(Package& package, const std::string& sourcePart);

// The first relationship whose type ends with `typeSuffix` ("/styles").
std::optional<Relationship> FindRelationship(const std::vector<Relationship>& rels, const std::string& typeSuffix);
std::optional<Relationship> FindRelationshipById(const std::vector<Relationship>& rels, const std::string& id);

// Adds a relationship to `sourcePart`'s rels part (created when missing)
// and returns its id.
std::string AddRelationship(Package& package, const std::string& sourcePart, const std::string& type,
                            const std::string& target);

// Adds an Override for `part` to [Content_Types].xml (when not there).
void AddContentTypeOverride(Package& package, const std::string& part, const std::string& contentType);

// Whether [Content_Types].xml is present and well formed with a Types root.
bool ContentTypesUsable(Package& package);
// Writes a new [Content_Types].xml that lists every part of the package:
// defaults by extension and overrides for the known parts.
void RebuildContentTypes(Package& package, const std::string& mainPart);

}  // namespace dorvane::embedded::word
