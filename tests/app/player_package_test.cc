// The Debian package: built by CPack from this build, unpacked into a fresh
// root, it holds the program, its menu entry and icon, names the packages
// the program needs at run time, and the unpacked program starts.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/app/player_program.h"

namespace modian::test {
namespace {

class PackageTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    workDir_ = new QTemporaryDir();
    ASSERT_TRUE(workDir_->isValid());
    const QString output = workDir_->filePath("out");
    ASSERT_TRUE(RunTool(MODIAN_CPACK_COMMAND,
                        {"-G", "DEB", "-B", output, "--config",
                         QStringLiteral(MODIAN_BUILD_DIR "/CPackConfig.cmake")},
                        300'000)
                    .has_value());
    const QStringList debs = QDir(output).entryList({"modian_*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << debs.join(' ').toStdString();
    package_ = new QString(QDir(output).filePath(debs.front()));
    root_ = new QString(workDir_->filePath("root"));
    ASSERT_TRUE(RunTool("dpkg", {"-x", *package_, *root_}, 60'000).has_value());
  }

  static void TearDownTestSuite() {
    delete package_;
    delete root_;
    delete workDir_;
    package_ = root_ = nullptr;
    workDir_ = nullptr;
  }

  void SetUp() override {
    if (package_ == nullptr) GTEST_SKIP() << "the package was not built";
  }

  static QString Field(const char* name) {
    return RunTool("dpkg-deb", {"-f", *package_, name}).value_or(QString());
  }

  static QString Installed(const char* path) { return *root_ + "/" + path; }

  static inline QTemporaryDir* workDir_ = nullptr;
  static inline QString* package_ = nullptr;
  static inline QString* root_ = nullptr;
};

TEST_F(PackageTest, NamesThePackagesTheProgramNeeds) {
  EXPECT_EQ(Field("Package"), "modian");
  EXPECT_EQ(Field("Architecture"), "amd64");
  QStringList depends;
  for (const QString& entry : Field("Depends").split(u',', Qt::SkipEmptyParts)) {
    depends << entry.trimmed().section(u' ', 0, 0);
  }
  for (const char* needed : {"libqt6webenginewidgets6", "libqt6webenginecore6",
                             "libqt6webenginecore6-bin", "libqt6widgets6",
                             "libqt6network6", "libcurl4", "fonts-arphic-ukai"}) {
    EXPECT_TRUE(depends.contains(needed)) << needed << " in " << depends.join(", ").toStdString();
  }
  EXPECT_EQ(depends.removeDuplicates(), 0) << depends.join(", ").toStdString();
}

TEST_F(PackageTest, InstallsTheProgramMenuEntryAndIcons) {
  const QFileInfo program(Installed("usr/bin/modian"));
  EXPECT_TRUE(program.isFile() && program.isExecutable());

  QFile entry(Installed("usr/share/applications/modian.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(entry.readAll());
  for (const char* line : {"[Desktop Entry]", "Type=Application", "Name=墨点",
                           "Exec=modian", "Icon=modian", "Terminal=false"}) {
    EXPECT_TRUE(text.split(u'\n').contains(QString::fromUtf8(line))) << line;
  }

  for (int size : {32, 48, 64, 128, 256}) {
    const QString path = Installed(
        QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/modian.png").arg(size).toUtf8());
    const QImage icon(path);
    EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
  }
}

TEST_F(PackageTest, TheUnpackedProgramStarts) {
  RunningProgram program(Installed("usr/bin/modian"), {});
  ASSERT_TRUE(program.ok());
  EXPECT_EQ(program.WindowRect().size(), QSize(145, 210));
  EXPECT_TRUE(program.running());
}

}  // namespace
}  // namespace modian::test
