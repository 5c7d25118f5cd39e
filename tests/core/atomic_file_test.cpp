// Writing a set of files whole or not at all: a temporary file that cannot
// be made, a disk that is full, a file that cannot be replaced part way
// through the set; afterwards every old file is as it was and nothing is left
// behind, and once the obstacle is gone the same set is written.
#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <functional>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

namespace fs = boost::filesystem;

std::vector<tf::fileWrite> setOf(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<tf::fileWrite> set;
  for (const auto& [path, text] : files) {
    set.push_back({path, [text](std::ostream& out) { out << text; }});
  }
  return set;
}

// Every file of the folder, its leftovers included, with its text.
std::string folderContents(const tftest::ScopedWorkDir& dir) {
  std::string listing;
  std::vector<std::string> names;
  for (fs::directory_iterator it(dir.path()), end; it != end; ++it) names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    if (fs::is_symlink(name)) {
      listing += name + "@ ";
    } else {
      listing += name + (fs::is_directory(name) ? "/" : "=" + dir.read(name)) + " ";
    }
  }
  return listing;
}

TEST(AtomicFiles, ASetIsWrittenWholeOrNotAtAll) {
  const struct {
    const char* what;
    std::function<void()> obstacle;  // made before the write
    std::function<void()> removal;   // takes the obstacle away again
    const char* reason;              // what the failure names
  } cases[] = {
      {"a folder where the second temporary file goes", [] { fs::create_directory("b.cfg.saving"); },
       [] { EXPECT_TRUE(fs::remove("b.cfg.saving")); }, "b.cfg.saving: Is a directory"},
      {"a folder where the last file goes, after the others are replaced", [] { fs::create_directory("c.cfg"); },
       [] { EXPECT_TRUE(fs::remove("c.cfg")); }, "c.cfg: Is a directory"},
      {"a full disk under the first temporary file",
       [] { ASSERT_EQ(symlink("/dev/full", "a.cfg.saving"), 0); },
       [] { EXPECT_FALSE(fs::is_symlink("a.cfg.saving")); }, "a.cfg.saving: No space left on device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tftest::ScopedWorkDir dir;
    dir.write("a.cfg", "old a");
    dir.write("b.cfg", "old b");
    const std::string before = folderContents(dir);
    c.obstacle();
    const auto set = setOf({{"a.cfg", "new a"}, {"b.cfg", "new b"}, {"c.cfg", "new c"}});
    tf::fileWriteFailure failure;
    EXPECT_FALSE(tf::writeFilesAtomically(set, failure));
    EXPECT_EQ(failure.path + ": " + failure.reason, c.reason);
    c.removal();  // what is left of it
    EXPECT_EQ(folderContents(dir), before);

    EXPECT_TRUE(tf::writeFilesAtomically(set, failure)) << failure.reason;
    EXPECT_EQ(folderContents(dir), "a.cfg=new a b.cfg=new b c.cfg=new c ");
  }
}

// One file: a folder in its place, or a writer whose stream fails before,
// during or after its text (a full disk, say), leaves the old file as it was
// and no temporary file behind.
TEST(AtomicFiles, OneFileKeepsItsOldTextWhenItCannotBeReplaced) {
  tftest::ScopedWorkDir dir;
  fs::create_directories("settings.cfg/inside");
  EXPECT_FALSE(tf::writeFileAtomically("settings.cfg", [](std::ostream& out) { out << "x"; }));
  EXPECT_EQ(folderContents(dir), "settings.cfg/ ");
  const struct {
    const char* what;
    std::function<void(std::ostream&)> write;
    bool written;
  } writers[] = {
      {"at once", [](std::ostream& out) { out.setstate(std::ios::badbit); }, false},
      {"half way", [](std::ostream& out) { out << "f fps"; out.setstate(std::ios::badbit); out << " 99\n"; }, false},
      {"at the end", [](std::ostream& out) { out << "f fps 99\n"; out.setstate(std::ios::failbit); }, false},
      {"never", [](std::ostream& out) { out << "f fps 99\n"; }, true},
  };
  for (const auto& w : writers) {
    SCOPED_TRACE(w.what);
    dir.write("other.cfg", "f fps 20\n");
    EXPECT_EQ(tf::writeFileAtomically("other.cfg", w.write), w.written);
    EXPECT_EQ(folderContents(dir), std::string("other.cfg=") + (w.written ? "f fps 99\n" : "f fps 20\n") + " settings.cfg/ ");
  }
}

}  // namespace
