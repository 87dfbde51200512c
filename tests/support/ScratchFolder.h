// Folders for tests that write files: a new, empty one under the system's temporary folder, and
// a working folder for the lifetime of an object.
#pragma once

#include <string>

// Creates a folder whose name starts with prefix; false when none could be made.
bool MakeScratchFolder(const std::string& prefix, std::string& path);

// A new, empty folder for the object's lifetime; it goes again with everything in it.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix = "moonhop-test-");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // False when no folder could be made; Path is then empty.
    bool Ok() const { return !path.empty(); }
    const std::string& Path() const { return path; }
    // The path of a file of that name in the folder.
    std::string File(const std::string& name) const { return path + "/" + name; }

  private:
    std::string path;
};

// Makes a folder the working folder for the object's lifetime.
class WorkingFolder {
  public:
    explicit WorkingFolder(const std::string& folder);
    // Ends the process if the previous working folder cannot be restored: the tests that follow
    // would read and write in the wrong place.
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    // False when the folder could not be entered; the working folder is then unchanged.
    bool Ok() const { return entered; }

  private:
    std::string previous;
    bool entered = false;
};
