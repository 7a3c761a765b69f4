#pragma once
// Where a result's name leads: the folder the file takes its place in, held
// open, and its name there.
//
// The folder of the name as given is the user's own choice (the data file's
// folder) and is taken as it is, whatever links lead there. From there the
// program follows links on its own, and each one is followed only when this
// user or the owner of the folder it stands in made it: the link at the
// name, every link of a chain, and every folder link on the path that a
// link leads to. Anyone else who may write in a shared folder could
// otherwise point a result at any file this user may write. (The system's
// own rule to the same end covers only some folders, and may be off.)
//
// Each step opens what it looked at and goes on from the opened folder, so
// a link swapped in after a look is never followed; the file is then made
// and renamed in the held folder.
#include <filesystem>
#include <optional>
#include <string>

#include "model/descriptor.h"
#include "model/input_files.h"

namespace vorelan {

struct ResultPlace {
  Descriptor folder;                  // open only to be named in *at calls
  std::string name;                   // the file's name in it
  std::filesystem::path folderPath;   // the folder as the way there spells it
  bool exists = false;                // something stands at the name
  int linksFollowed = 0;

  std::filesystem::path path() const { return folderPath / name; }
  std::optional<FileIdentity> folderIdentity() const;
};

// As many links as the system itself follows on one path.
inline constexpr int MostLinksFollowed = 40;

// Walks from `path` to the place its file takes. 0, or why the way is
// refused: LinkOfAnotherUser (the link at the name), LeadsToLinkOfAnotherUser
// (a link the name leads to), FolderLinkOfAnotherUser (a folder on the path
// a link leads to), LinkLeadsNowhere (a link leads to a folder that is not
// there), ELOOP (links that lead round in a loop), TooManyLinks (more than
// MostLinksFollowed, in no loop seen), EISDIR (the name is a folder), or the
// system's error. A name that does not exist is no refusal here
// (`exists` is false): the file is new, unless a link led there.
int findResultPlace(const std::string& path, ResultPlace& place);

}  // namespace vorelan
