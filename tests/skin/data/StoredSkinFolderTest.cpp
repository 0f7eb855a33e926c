// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The program's own skin folder (resources/skin): the INI that the build packs into the program
// and the pictures it points into. These checks need no skin engine; they catch a redrawn picture
// or an edited INI that would load but show seams, lose pixels or point beside its pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>
#include <utility>

#include "platform/IniFile.h"
#include "support/FileBytes.h"

namespace {

const QString Folder = QStringLiteral(LUMETRA_SOURCE_DIR "/resources/skin/");

struct PictureFile {
  const char* file;
  int width;
  int height;
  int bits;
};

const PictureFile MainPicture{"main.bmp", 277, 116, 8};
const PictureFile MaskPicture{"mask.bmp", 277, 116, 1};
const PictureFile ActivePictures[] = {
    {"active.BMP", 95, 268, 8}, {"pw.bmp", 88, 80, 8},         {"menuitems.bmp", 68, 116, 8},
    {"hw.bmp", 42, 22, 8},      {"controls.bmp", 516, 281, 8}, {"grids.bmp", 72, 21, 8},
};

const QStringList ObjectEntries = {
    "menuitem:menuitem",
    "caption:caption",
    "closebutton:stdbutton",
    "minimizebutton:stdbutton",
    "maximizebutton:stdbutton",
    "rollupbutton:stdbutton",
    "sysmenubutton:stdbutton",
    "mainmenubaritem:mainmenubaritem",
    "menubarsysmenubutton:mainmenubarbutton",
    "menubarclosebutton:mainmenubarbutton",
    "menubarmaxbutton:mainmenubarbutton",
    "menubarminbutton:mainmenubarbutton",
};

const QStringList ControlNames =
    QStringLiteral(
        "button toolpanel toolbutton checkbox gauge vgauge radiobox panel label trackbar "
        "htrackbar grid tab edit memo hscrollbar vscrollbar listbox combobox checklistbox "
        "spinedit groupbox stdlabel statuspanel statusbar buttonedit vupdown hupdown "
        "captionlistbox captionchecklistbox captioncombobox controlbar mainmenubar vsplitter "
        "hsplitter resizebutton bothhscrollbar rolluppanel bigtoolpanel bigtoolbutton "
        "toolmenubutton toolmenutrackbutton bigtoolmenubutton bigtoolmenutrackbutton scrollbox "
        "listview treeview statusgauge richedit expanel header slider")
        .split(' ');

// The type keywords the loader creates control skins for.
const QStringList ControlKeywords =
    QStringLiteral(
        "panel tab expanel mainmenubar menubutton controlbar button memo checkradio edit gauge "
        "checklistbox splitter listbox trackbar combobox label scrollbar stdlabel spinedit updown "
        "scrollbox grid treeview bevel slider listview richedit")
        .split(' ');

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}
std::ostream& operator<<(std::ostream& out, const Point& p) { return out << p.x << "," << p.y; }

// The stored form: unsigned decimal numbers joined by "," without blanks. The engine's reader
// would drop stray characters or fail on a missing field, so anything else is a fault here.
std::optional<std::vector<int>> Numbers(const QString& text, int count) {
  static const QRegularExpression Form("^\\d+(,\\d+)*$");
  if (!Form.match(text).hasMatch()) return std::nullopt;
  const QStringList parts = text.split(',');
  if (parts.size() != count) return std::nullopt;
  std::vector<int> values;
  for (const QString& part : parts) values.push_back(part.toInt());
  return values;
}

class StoredSkinFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::exists(Folder + "skin.ini")) << Folder.toStdString();
    ini_ = TMemIniFile::FromFile(Folder + "skin.ini");
  }

  QString Value(const QString& section, const QString& key) const {
    return ini_.ReadString(section, key, QString());
  }
  bool Has(const QString& section, const QString& key) const {
    return ini_.ValueExists(section, key);
  }
  Rect RectOf(const QString& section, const QString& key) const {
    const auto v = Numbers(Value(section, key), 4);
    EXPECT_TRUE(v) << section.toStdString() << "." << key.toStdString() << " is not a rectangle";
    return v ? Rect{(*v)[0], (*v)[1], (*v)[2], (*v)[3]} : Rect{};
  }
  Point PointOf(const QString& section, const QString& key) const {
    const auto v = Numbers(Value(section, key), 2);
    EXPECT_TRUE(v) << section.toStdString() << "." << key.toStdString() << " is not a point";
    return v ? Point{(*v)[0], (*v)[1]} : Point{};
  }
  int IntOf(const QString& section, const QString& key) const {
    return ini_.ReadInteger(section, key, -1);
  }

  // The active picture file a picture-index key points at.
  QString PictureAt(const QString& section, const QString& key) const {
    const int index = IntOf(section, key);
    EXPECT_TRUE(index >= 0 && index < ini_.ReadInteger("PICTURES", "activepicturescount", 0))
        << section.toStdString() << "." << key.toStdString() << " = " << index;
    return Value("PICTURES", QString::number(index));
  }

  QStringList Entries(const QString& list) const {
    QStringList entries;
    for (int i = 0; i < ini_.ReadInteger(list, "count", 0); ++i)
      entries << Value(list, QString::number(i));
    return entries;
  }

  TMemIniFile ini_;
};

// A picture as the program decodes it. Its header is checked first: a plain uncompressed BMP
// whose size fields agree, so that the package reader, which walks the headers to find where
// each picture ends, finds the next one where it really starts.
QImage LoadPicture(const PictureFile& picture) {
  const QByteArray bytes = ReadBytes(Folder + picture.file);
  EXPECT_GE(bytes.size(), 54) << picture.file;
  if (bytes.size() < 54) return QImage();
  const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
  const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
  EXPECT_EQ(bytes.left(2), QByteArray("BM")) << picture.file;
  EXPECT_EQ(u32(2), static_cast<quint32>(bytes.size())) << picture.file << ": file size field";
  EXPECT_EQ(u32(14), 40u) << picture.file << ": info header";
  EXPECT_EQ(static_cast<qint32>(u32(18)), picture.width) << picture.file;
  EXPECT_EQ(static_cast<qint32>(u32(22)), picture.height) << picture.file << ": bottom-up height";
  EXPECT_EQ(static_cast<int>(u16(28)), picture.bits) << picture.file << ": bits per pixel";
  EXPECT_EQ(u32(30), 0u) << picture.file << ": uncompressed";
  const quint32 colours = u32(46) ? u32(46) : (1u << picture.bits);
  EXPECT_LE(colours, 1u << picture.bits) << picture.file;
  const quint32 stride = ((picture.width * picture.bits + 31) / 32) * 4;
  EXPECT_EQ(u32(10), 54u + 4u * colours) << picture.file << ": pixel offset";
  EXPECT_EQ(static_cast<quint32>(bytes.size()), u32(10) + stride * picture.height) << picture.file;
  QImage image;
  EXPECT_TRUE(image.loadFromData(bytes, "BMP")) << picture.file;
  return image;
}

QImage LoadByName(const QString& file) {
  if (file == MainPicture.file) return LoadPicture(MainPicture);
  for (const PictureFile& picture : ActivePictures)
    if (file == picture.file) return LoadPicture(picture);
  ADD_FAILURE() << "no such picture " << file.toStdString();
  return QImage();
}

// Rectangle keys end in "rect" or "area", point keys in "point".
bool IsGeometryKey(const QString& lowerKey) {
  return lowerKey.endsWith("rect") || lowerKey.endsWith("area") || lowerKey.endsWith("point");
}

bool Inside(const Rect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height && r.Width() >= 1 &&
         r.Height() >= 1;
}

// A tiled strip shows seams unless every copy of the tile looks the same at its joins; the
// simple guarantee is that the strip does not vary along the direction it is tiled in.
void ExpectUniform(const QImage& image, const Rect& r, bool sideways, const std::string& what) {
  const int lines = sideways ? r.Height() : r.Width();
  const int length = sideways ? r.Width() : r.Height();
  for (int line = 0; line < lines; ++line)
    for (int step = 1; step < length; ++step) {
      const auto at = [&](int s) {
        return sideways ? image.pixel(r.left + s, r.top + line)
                        : image.pixel(r.left + line, r.top + s);
      };
      if (at(step) != at(0)) {
        ADD_FAILURE() << what << ": " << (sideways ? "row " : "column ")
                      << (sideways ? r.top : r.left) + line << " changes after " << step
                      << " pixels";
        return;
      }
    }
}

void ExpectUniformRows(const QImage& image, const Rect& r, const std::string& what) {
  ExpectUniform(image, r, true, what);
}

void ExpectUniformColumns(const QImage& image, const Rect& r, const std::string& what) {
  ExpectUniform(image, r, false, what);
}

// The four edges of a nine-part picture, between its corner points and around its inner
// rectangle, repeat without seams.
void ExpectUniformEdges(const QImage& image, const Point& lt, const Point& rt, const Point& lb, const Point& rb,
                        const Rect& inner, const std::string& what) {
  ExpectUniformRows(image, {lt.x, 0, rt.x, inner.top}, what + " top edge");
  ExpectUniformRows(image, {lb.x, inner.bottom, rb.x, image.height()}, what + " bottom edge");
  ExpectUniformColumns(image, {0, lt.y, inner.left, lb.y}, what + " left edge");
  ExpectUniformColumns(image, {inner.right, rt.y, image.width(), rb.y}, what + " right edge");
}

}  // namespace

TEST_F(StoredSkinFolder, SectionsPicturesAndEntriesComeInTheStoredOrder) {
  QStringList expected = {"VERSION",     "PICTURES",   "FORMINFO",
                          "POPUPWINDOW", "HINTWINDOW", "SKINOBJECTS"};
  for (const QString& entry : ObjectEntries) expected << entry.section(':', 0, 0);
  expected << "SKINCONTROLS" << ControlNames;
  // No SKINCOLORS section: the system colours apply.
  EXPECT_EQ(ini_.ReadSections().join(' ').toStdString(), expected.join(' ').toStdString());
  EXPECT_EQ(Value("VERSION", "ver"), "1");

  EXPECT_EQ(Value("PICTURES", "picture"), MainPicture.file);
  EXPECT_TRUE(Has("PICTURES", "inactivepicture"));
  EXPECT_EQ(Value("PICTURES", "inactivepicture"), "");
  EXPECT_EQ(Value("PICTURES", "mask"), MaskPicture.file);
  ASSERT_EQ(IntOf("PICTURES", "activepicturescount"), 6);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(Value("PICTURES", QString::number(i)), ActivePictures[i].file);

  EXPECT_EQ(Entries("SKINOBJECTS").join(' ').toStdString(), ObjectEntries.join(' ').toStdString());
  const QStringList controls = Entries("SKINCONTROLS");
  ASSERT_EQ(controls.size(), 52);
  int creatable = 0;
  for (int i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(controls[i].section(':', 0, 0), ControlNames[i]) << "entry " << i;
    const QString keyword = controls[i].section(':', 1);
    if (ControlKeywords.contains(keyword))
      ++creatable;
    else
      EXPECT_EQ(controls[i], "header:header") << "unknown type keyword in entry " << i;
  }
  EXPECT_EQ(creatable, 51);
}

TEST_F(StoredSkinFolder, PicturesHaveTheirSizesAndDepths) {
  for (const PictureFile& picture : ActivePictures) {
    const QImage image = LoadPicture(picture);
    EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.file;
  }
  EXPECT_EQ(LoadPicture(MainPicture).size(), QSize(277, 116));
  const QImage mask = LoadPicture(MaskPicture);
  ASSERT_EQ(mask.size(), QSize(277, 116));
  // Only exact black belongs to the window, so the mask must hold nothing but black and white.
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      ASSERT_TRUE(mask.pixel(x, y) == qRgb(0, 0, 0) || mask.pixel(x, y) == qRgb(255, 255, 255))
          << x << "," << y;
}

TEST_F(StoredSkinFolder, TheFrameGivesTheConsoleItsFrameThicknessAndRolledUpHeight) {
  // The console is laid out for a frame 13, 46, 12 and 9 pixels thick; rolled up it keeps the
  // frame only, 55 pixels high.
  const Rect client = RectOf("FORMINFO", "clientrect");
  const int width = MainPicture.width, height = MainPicture.height;
  EXPECT_EQ(client.left, 13);
  EXPECT_EQ(client.top, 46);
  EXPECT_EQ(width - client.right, 12);
  EXPECT_EQ(height - client.bottom, 9);
  EXPECT_EQ(height - client.Height(), 55);
  // Objects are placed by the four-corner rule alone: no button row, no caption rectangle.
  for (const char* absent :
       {"leftstretch", "rightstretch", "topstretch", "bottomstretch", "buttonsrect", "captionrect"})
    EXPECT_FALSE(Has("FORMINFO", absent)) << absent;
  // The hint frame is only drawn when its corner points split it.
  EXPECT_NE(PointOf("HINTWINDOW", "rightbottompoint").x, PointOf("HINTWINDOW", "lefttoppoint").x);
  EXPECT_NE(PointOf("HINTWINDOW", "rightbottompoint").y, PointOf("HINTWINDOW", "lefttoppoint").y);
}

TEST_F(StoredSkinFolder, CaptionButtonsSitWhereTheyFollowTheirCornerOfTheWindow) {
  // Close, minimise and maximise follow the right edge (top-right area), roll-up and the system
  // menu stay at the left (top-left area), and the caption reaches from one into the other so it
  // widens with the window.
  const Point lt = PointOf("FORMINFO", "lefttoppoint"), rt = PointOf("FORMINFO", "righttoppoint");
  const auto inLeftTop = [&](Point p) { return p.x < lt.x && p.y < lt.y; };
  const auto inRightTop = [&](Point p) { return p.x >= rt.x && p.y < rt.y; };
  const auto corners = [&](const char* name) {
    const Rect r = RectOf(name, "skinrect");
    return std::pair{Point{r.left, r.top}, Point{r.right, r.bottom}};
  };
  for (const char* name : {"closebutton", "minimizebutton", "maximizebutton"}) {
    const auto [tl, br] = corners(name);
    EXPECT_TRUE(inRightTop(tl) && inRightTop(br)) << name;
  }
  for (const char* name : {"rollupbutton", "sysmenubutton"}) {
    const auto [tl, br] = corners(name);
    EXPECT_TRUE(inLeftTop(tl) && inLeftTop(br)) << name;
  }
  const auto [tl, br] = corners("caption");
  EXPECT_TRUE(inLeftTop(tl) && inRightTop(br));

  // Each caption button carries the command its name promises.
  const std::map<QString, QString> commands = {{"closebutton", "cmclose"},
                                               {"minimizebutton", "cmminimize"},
                                               {"maximizebutton", "cmmaximize"},
                                               {"rollupbutton", "cmrollup"},
                                               {"sysmenubutton", "cmsysmenu"}};
  for (const auto& [name, command] : commands) EXPECT_EQ(Value(name, "command"), command) << name.toStdString();
}

TEST_F(StoredSkinFolder, PushButtonStretchesSidewaysOnly) {
  // A horizontal three-part button: its corner points split the width only, so the console's
  // 75-pixel-wide buttons keep the skin's own height, and its pressed and hot looks are the
  // same size as the normal one.
  const Rect normal = RectOf("button", "skinrect");
  EXPECT_EQ(PointOf("button", "leftbottompoint"), (Point{0, 0}));
  EXPECT_EQ(PointOf("button", "rightbottompoint"), (Point{0, 0}));
  EXPECT_LT(PointOf("button", "lefttoppoint").x, PointOf("button", "righttoppoint").x);
  for (const char* look : {"activeskinrect", "downskinrect", "disabledskinrect"}) {
    EXPECT_EQ(RectOf("button", look).Width(), normal.Width()) << look;
    EXPECT_EQ(RectOf("button", look).Height(), normal.Height()) << look;
  }
}

// Every rectangle and point either lies in a picture (which one follows from its section and
// key) or is relative to another rectangle of its section; each must land on real pixels.
TEST_F(StoredSkinFolder, EveryRectangleAndPointLiesInsideWhatItRefersTo) {
  std::map<QString, QSize> sizes = {{MainPicture.file, {277, 116}}};
  for (const PictureFile& picture : ActivePictures)
    sizes[picture.file] = {picture.width, picture.height};

  // Keys whose rectangle is relative to another rectangle of the same section.
  const std::map<QString, QString> relativeTo = {
      {"clientrect", "skinrect"},         {"textrect", "skinrect"},
      {"imagerect", "skinrect"},          {"trackarea", "skinrect"},
      {"progressarea", "skinrect"},       {"checkimagearea", "skinrect"},
      {"textarea", "skinrect"},           {"itemsrect", "skinrect"},
      {"itemtextrect", "itemrect"},       {"fixedcelltextrect", "fixedcellrect"},
      {"celltextrect", "selectcellrect"},
  };
  int checked = 0;
  const auto check = [&](const QString& section, const QString& key, const QSize& area,
                         const std::string& what) {
    const bool isPoint = key.endsWith("point");
    ++checked;
    if (isPoint) {
      const Point p = PointOf(section, key);
      EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= area.width() && p.y <= area.height())
          << section.toStdString() << "." << key.toStdString() << " = " << p << " outside " << what;
    } else {
      const Rect r = RectOf(section, key);
      EXPECT_TRUE(Inside(r, area.width(), area.height()))
          << section.toStdString() << "." << key.toStdString() << " = " << r << " outside " << what;
    }
  };
  const auto checkSection = [&](const QString& section, const QString& picture,
                                bool pointsInPicture,
                                const std::function<QString(const QString&)>& pictureOfKey) {
    for (const QString& key : ini_.ReadSection(section)) {
      const QString lower = key.toLower();
      if (!IsGeometryKey(lower)) {
        EXPECT_FALSE(Numbers(Value(section, key), 4) || Numbers(Value(section, key), 2))
            << section.toStdString() << "." << key.toStdString() << " looks like geometry";
      } else if (lower.endsWith("point") && !pointsInPicture) {
        const Rect skin = RectOf(section, "skinrect");
        check(section, key, QSize(skin.Width(), skin.Height()), "its skinrect");
      } else if (!pointsInPicture && relativeTo.count(lower)) {
        const Rect base = RectOf(section, relativeTo.at(lower));
        check(section, key, QSize(base.Width(), base.Height()), relativeTo.at(lower).toStdString());
      } else {
        const QString file = pictureOfKey ? pictureOfKey(lower) : picture;
        ASSERT_TRUE(sizes.count(file)) << section.toStdString() << "." << key.toStdString();
        check(section, key, sizes[file], file.toStdString());
      }
    }
  };

  checkSection("FORMINFO", MainPicture.file, true, nullptr);
  checkSection("POPUPWINDOW", PictureAt("POPUPWINDOW", "windowpictureindex"), true, nullptr);
  checkSection("HINTWINDOW", PictureAt("HINTWINDOW", "windowpictureindex"), true, nullptr);
  for (const QString& entry : Entries("SKINOBJECTS")) {
    const QString name = entry.section(':', 0, 0);
    const bool menuItem = entry.section(':', 1) == "menuitem";
    const QString active =
        Has(name, "activepictureindex") ? PictureAt(name, "activepictureindex") : QString();
    // The normal look lies in the frame picture unless the object keeps it in its own picture;
    // menu items draw every look from their own picture.
    const bool own = menuItem || IntOf(name, "skinrectinapicture") == 1;
    checkSection(name, active, false, [&](const QString& key) {
      return key == "skinrect" && !own ? QString(MainPicture.file) : active;
    });
  }
  for (const QString& entry : Entries("SKINCONTROLS")) {
    const QString name = entry.section(':', 0, 0);
    if (!Has(name, "pictureindex")) {
      for (const QString& key : ini_.ReadSection(name))
        EXPECT_FALSE(IsGeometryKey(key.toLower()))
            << name.toStdString() << " has geometry but no picture";
      continue;
    }
    checkSection(name, PictureAt(name, "pictureindex"), false, nullptr);
  }
  EXPECT_GT(checked, 400);  // the walk reached every section
}

TEST_F(StoredSkinFolder, MaskKeepsTheMaskAreaAndStretchesWithoutSeams) {
  const QImage mask = LoadPicture(MaskPicture);
  ASSERT_FALSE(mask.isNull());
  const Rect area = RectOf("FORMINFO", "maskrectarea");
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      ASSERT_EQ(mask.pixel(x, y), qRgb(0, 0, 0)) << "mask area pixel " << x << "," << y;
  // The outline is shaped: the top corners are cut away, the top middle belongs to the window.
  EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(mask.pixel(276, 0), qRgb(255, 255, 255));
  EXPECT_EQ(mask.pixel(138, 0), qRgb(0, 0, 0));

  // The region of a resized window tiles these parts of the mask.
  const Point lt = PointOf("FORMINFO", "lefttoppoint"), rt = PointOf("FORMINFO", "righttoppoint");
  const Point lb = PointOf("FORMINFO", "leftbottompoint"),
              rb = PointOf("FORMINFO", "rightbottompoint");
  ExpectUniformRows(mask, {lt.x, 0, rt.x, area.top}, "mask top strip");
  ExpectUniformRows(mask, {lb.x, area.bottom, rb.x, mask.height()}, "mask bottom strip");
  ExpectUniformColumns(mask, {0, lt.y, area.left, lb.y}, "mask left strip");
  ExpectUniformColumns(mask, {area.right, rt.y, mask.width(), rb.y}, "mask right strip");
}

TEST_F(StoredSkinFolder, TiledPartsOfTheFramePopupAndButtonsJoinWithoutSeams) {
  const QImage frame = LoadPicture(MainPicture);
  ASSERT_FALSE(frame.isNull());
  const Rect cr = RectOf("FORMINFO", "clientrect");
  // The client background is this rectangle tiled: it must be the console's plain money green.
  for (int y = cr.top; y < cr.bottom; ++y)
    for (int x = cr.left; x < cr.right; ++x)
      ASSERT_EQ(frame.pixel(x, y), qRgb(192, 220, 192)) << "client pixel " << x << "," << y;
  const Point lt = PointOf("FORMINFO", "lefttoppoint"), rt = PointOf("FORMINFO", "righttoppoint");
  const Point lb = PointOf("FORMINFO", "leftbottompoint"),
              rb = PointOf("FORMINFO", "rightbottompoint");
  ExpectUniformEdges(frame, lt, rt, lb, rb, cr, "frame");

  const QImage popup = LoadByName(PictureAt("POPUPWINDOW", "windowpictureindex"));
  const Rect items = RectOf("POPUPWINDOW", "itemsrect");
  const Point plt = PointOf("POPUPWINDOW", "lefttoppoint"),
              prt = PointOf("POPUPWINDOW", "righttoppoint");
  const Point plb = PointOf("POPUPWINDOW", "leftbottompoint"),
              prb = PointOf("POPUPWINDOW", "rightbottompoint");
  ExpectUniformEdges(popup, plt, prt, plb, prb, items, "popup");

  // Three-part looks tile their middle sideways.
  const QImage controls = LoadByName(PictureAt("button", "pictureindex"));
  const int left = PointOf("button", "lefttoppoint").x;
  const int rightWidth =
      RectOf("button", "skinrect").Width() - PointOf("button", "righttoppoint").x;
  for (const char* key : {"skinrect", "activeskinrect", "downskinrect", "disabledskinrect"}) {
    const Rect face = RectOf("button", key);
    EXPECT_EQ(face.Width(), 24) << key;
    EXPECT_EQ(face.Height(), 21) << key;
    ExpectUniformRows(controls, {face.left + left, face.top, face.right - rightWidth, face.bottom},
                      std::string("button ") + key);
  }
  const QImage items_picture = LoadByName(PictureAt("menuitem", "activepictureindex"));
  for (const auto& [key, leftKey, rightKey] :
       {std::tuple{"skinrect", "itemleftoffset", "itemrightoffset"},
        std::tuple{"activeskinrect", "itemleftoffset", "itemrightoffset"},
        std::tuple{"dividerrect", "dividerleftoffset", "dividerrightoffset"}}) {
    const Rect r = RectOf("menuitem", key);
    ExpectUniformRows(items_picture,
                      {r.left + IntOf("menuitem", leftKey), r.top,
                       r.right - IntOf("menuitem", rightKey), r.bottom},
                      std::string("menu item ") + key);
  }
}

TEST_F(StoredSkinFolder, CaptionButtonLooksReplaceTheirFramePiecesSeamlessly) {
  const QImage frame = LoadPicture(MainPicture);
  const QImage active = LoadByName(ActivePictures[0].file);
  ASSERT_FALSE(frame.isNull());
  ASSERT_FALSE(active.isNull());
  for (const QString& entry : Entries("SKINOBJECTS")) {
    if (entry.section(':', 1) != "stdbutton") continue;
    const QString name = entry.section(':', 0, 0);
    const Rect normal = RectOf(name, "skinrect");
    for (const char* key : {"activeskinrect", "downrect"}) {
      const Rect look = RectOf(name, key);
      // Equal sizes are copied 1:1; any other size would be stretched over the frame.
      ASSERT_EQ(look.Width(), normal.Width()) << name.toStdString() << "." << key;
      ASSERT_EQ(look.Height(), normal.Height()) << name.toStdString() << "." << key;
      // The look's rounded plate leaves its corners showing the frame behind the button.
      for (const auto& [dx, dy] :
           {std::pair{0, 0}, std::pair{normal.Width() - 1, 0}, std::pair{0, normal.Height() - 1},
            std::pair{normal.Width() - 1, normal.Height() - 1}})
        EXPECT_EQ(active.pixel(look.left + dx, look.top + dy),
                  frame.pixel(normal.left + dx, normal.top + dy))
            << name.toStdString() << "." << key << " corner " << dx << "," << dy;
    }
  }
}
