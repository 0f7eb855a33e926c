// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QDir>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "cli/ProofSheetLayout.h"
#include "show/CaptionFont.h"
#include "show/ShowDocument.h"
#include "support/CheckFindings.h"
#include "support/CliRunner.h"
#include "support/FileBytes.h"
#include "support/WideCaption.h"

namespace {

struct CheckRun {
  int exitCode = -1;
  QJsonObject json;
};

CheckRun CheckJson(QStringList arguments) {
  arguments.prepend(QStringLiteral("check"));
  arguments << QStringLiteral("--json");
  const CliRun run = RunCli(arguments);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.left(2000).toStdString();
  return {run.exitCode, document.object()};
}

QJsonArray Lines(const CheckRun& run) { return run.json[QStringLiteral("lines")].toArray(); }

// A settings file with the console's initial font; line i gets modes[i] (0 past the list).
void WriteShow(const QString& path, const QStringList& lines, const QList<int>& modes = {}) {
  ShowDocument show;
  show.Lines = lines;
  for (int i = 0; i < modes.size() && i < kLineSettingCount; ++i) show.Settings[std::size_t(i)].Mode = modes[i];
  show.Save(path);
}

int Number(const QString& text, const QString& pattern) {
  const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

const TFont kFont = InitialCaptionFont();

// The visible part a cut finding names is the run of characters wholly inside the frame, as the
// frame measures the caption's beginnings.
void ExpectVisiblePart(const QJsonValue& line, const QString& text, const TFont& font) {
  const QString cut = Finding(line, "cut");
  const int left = Number(cut, QStringLiteral("^(\\d+) px lost on the left"));
  const QString visible = QRegularExpression(QStringLiteral("shows \"(.*)\"; send it in mode 1")).match(cut).captured(1);
  const int from = text.indexOf(visible);
  ASSERT_GT(from, 0) << cut.toStdString();
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, font);
  const auto x = [&](int position) { return MeasureCaption(frame, text.left(position)).cx; };
  const int to = from + int(visible.size());
  EXPECT_GE(x(from), left);
  EXPECT_LT(x(from - 1), left);
  EXPECT_LE(x(to), left + kLedWidth);
  EXPECT_GT(x(to + 1), left + kLedWidth);
}
const QString kOlChiki = QStringLiteral("ᱚᱛ");       // a script no installed font has
const QString kHieroglyph = QString::fromUcs4(U"\U00013000");  // one beyond the 16-bit range

}  // namespace

// Each finding at its boundary, with the default font of the console.
TEST(CliCheck, FindingsAtTheirBoundaries) {
  struct Case {
    QString text;
    int mode;
    const char* kind;
    bool found;
  };
  const QString exactly192 = CaptionOfWidth(kFont, kLedWidth), exactly193 = CaptionOfWidth(kFont, kLedWidth + 1);
  ASSERT_FALSE(exactly192.isEmpty());
  ASSERT_FALSE(exactly193.isEmpty());
  const std::vector<Case> cases = {
      {exactly192, 0, "cut", false},
      {exactly193, 0, "cut", true},
      {exactly193, 1, "cut", false},  // pages are not cut
      {CaptionWiderThan(kFont, 254 * kLedWidth), 1, "page-count-wraps", false},
      {CaptionWiderThan(kFont, 255 * kLedWidth), 1, "page-count-wraps", true},
      {QStringLiteral("字"), 19, "unknown-mode", false},
      {QStringLiteral("字"), 20, "unknown-mode", true},
      {QStringLiteral("字"), -1, "unknown-mode", true},
      {QStringLiteral("字"), 0, "empty", false},
      {QString(), 0, "empty", true},
  };
  QStringList texts;
  QList<int> modes;
  for (const Case& c : cases) texts << c.text, modes << c.mode;
  // Line 1001 keeps entry 1000, the last; line 1002 has none.
  while (texts.size() < kLineSettingCount + 1) texts << QStringLiteral("x");
  WriteShow(QStringLiteral("edges.lw"), texts, modes);

  const CheckRun run = CheckJson({"edges.lw", "--as-stored"});
  EXPECT_EQ(run.exitCode, 2);
  const QJsonArray lines = Lines(run);
  ASSERT_EQ(lines.size(), texts.size());
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(HasFinding(lines[int(i)], QLatin1String(cases[i].kind)), cases[i].found)
        << "line " << i + 1 << " " << cases[i].kind;
  EXPECT_EQ(lines[1][QStringLiteral("width")].toInt(), 193);
  EXPECT_EQ(Finding(lines[1], "cut").left(31), QStringLiteral("0 px lost on the left, 1 on the"));
  EXPECT_EQ(lines[4][QStringLiteral("pages")].toInt(), 256);
  EXPECT_EQ(Finding(lines[4], "page-count-wraps"), QStringLiteral("256 pages, but the count byte says 0"));
  EXPECT_TRUE(Finding(lines[kLineSettingCount - 1], "no-settings").isNull());
  // Clicked in turn, the line past the table goes out in the mode the click on the last entry showed.
  EXPECT_EQ(Finding(lines[kLineSettingCount], "no-settings"),
            QStringLiteral("line 1002 is past the 1001 lines that keep settings: it goes out in whatever mode the "
                           "selector shows, here mode 0 (立即显示)"));

  const QJsonObject summary = run.json[QStringLiteral("summary")].toObject();
  EXPECT_EQ(summary[QStringLiteral("lines")].toInt(), texts.size());
  EXPECT_EQ(summary[QStringLiteral("findings")][QStringLiteral("page-count-wraps")].toInt(), 1);
  EXPECT_EQ(summary[QStringLiteral("findings")][QStringLiteral("no-settings")].toInt(), 1);
}

// A show of Chinese and Latin with a cut line and glyphs nothing draws gives the same lines
// whether it comes as a settings file, plain text or subtitles.
TEST(CliCheck, SameFindingsWhateverTheFileType) {
  const QStringList texts = {QStringLiteral("第一幕 Act One"), kOlChiki + QStringLiteral(" 咒语 ") + kHieroglyph,
                             QStringLiteral("Horatio: 'Tis here! 'Tis here! 它又来了！众人屏息")};
  WriteShow(QStringLiteral("act.lw"), texts);
  WriteBytes(QStringLiteral("act.txt"), texts.join(u'\n').toUtf8());
  QByteArray srt;
  for (int i = 0; i < texts.size(); ++i)
    srt += QStringLiteral("%1\n00:00:0%1,000 --> 00:00:0%2,000\n%3\n\n").arg(i + 1).arg(i + 2).arg(texts[i]).toUtf8();
  WriteBytes(QStringLiteral("act.srt"), srt);

  const CheckRun settings = CheckJson({"act.lw"});
  EXPECT_EQ(settings.exitCode, 2);
  for (const char* other : {"act.txt", "act.srt"}) {
    const CheckRun run = CheckJson({QLatin1String(other)});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Lines(run), Lines(settings)) << other;
    EXPECT_EQ(run.json[QStringLiteral("font")], settings.json[QStringLiteral("font")]) << other;
  }

  const QJsonArray lines = Lines(settings);
  ASSERT_EQ(lines.size(), texts.size());
  EXPECT_EQ(Finding(lines[1], "missing-glyph"),
            QStringLiteral("no glyph for \"ᱚ\" U+1C5A, \"ᱛ\" U+1C5B, \"%1\" U+13000").arg(kHieroglyph));
  EXPECT_TRUE(Finding(lines[0], "missing-glyph").isNull());

  ExpectVisiblePart(lines[2], texts[2], kFont);

  // Kerned Latin: the characters' own advances do not add up to the caption's width.
  const QString kerned = QStringLiteral("AVAWAYATAV To Ty Wa Yo LT Vo Pa Fe We 7. Ta Yu AT VA");
  WriteBytes(QStringLiteral("kerned.txt"), kerned.toUtf8());
  TFont sans = kFont;
  sans.Name = QStringLiteral("Liberation Sans");
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, sans);
  int advances = 0;
  for (const QChar c : kerned) advances += MeasureCaption(frame, c).cx;
  ASSERT_NE(advances, MeasureCaption(frame, kerned).cx);
  const QJsonArray kernedLines = Lines(CheckJson({"kerned.txt", "--font", sans.Name}));
  ASSERT_EQ(kernedLines.size(), 1);
  ExpectVisiblePart(kernedLines[0], kerned, sans);
}

// pages and bytes are those of the packet the console builds for the line in its mode (an entry
// outside the mode list sends mode -1).
TEST(CliCheck, PagesAndBytesAreThoseOfThePacket) {
  const QStringList texts = {QStringLiteral("短"), CaptionWiderThan(kFont, 2 * kLedWidth), QString()};
  const QList<int> modes = {0, 1, 7, 25};
  QStringList showTexts;
  QList<int> showModes;
  for (const QString& text : texts)
    for (const int mode : modes) showTexts << text, showModes << mode;
  WriteShow(QStringLiteral("packets.lw"), showTexts, showModes);
  const QJsonArray lines = Lines(CheckJson({"packets.lw", "--as-stored"}));
  ASSERT_EQ(lines.size(), showTexts.size());
  for (int i = 0; i < showTexts.size(); ++i) {
    const int sent = showModes[i] < 20 ? showModes[i] : -1;
    const CliRun packet = RunCli({"packet", showTexts[i], "--mode", QString::number(sent), "-o", "-"});
    ASSERT_EQ(packet.exitCode, 0);
    EXPECT_EQ(lines[i][QStringLiteral("bytes")].toInt(), packet.out.size()) << "line " << i + 1;
    EXPECT_EQ(lines[i][QStringLiteral("pages")].toInt(), (packet.out.size() - 6) / 773) << "line " << i + 1;
    EXPECT_EQ(lines[i][QStringLiteral("pages")].toInt(), std::uint8_t(packet.out[5])) << "line " << i + 1;
    EXPECT_DOUBLE_EQ(lines[i][QStringLiteral("wire_ms")].toDouble(), std::round(packet.out.size() * 110000.0 / 57600) / 10);
  }
}

// Whether the whole line, laid out as the frame lays it out, draws no empty box.
bool LineDrawsEveryGlyph(const QString& text, const TFont& font) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, font);
  QTextLayout layout(text, frame.Canvas.Font.ToQFont());
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    if (run.glyphIndexes().contains(0)) return false;
  return true;
}

// rows-lost counts the rows of ink that fall outside the frame: those a taller frame shows
// around the 16 rows that `render` writes (the lines fit the frame); missing-glyph names what the whole line draws as a box.
// Marks are drawn on their bases: decomposed Latin, Vietnamese, Thai vowels and tones, a base
// with two stacked marks.
TEST(CliCheck, RowsLostIsTheInkRenderDrops) {
  const QStringList texts = {"第一幕", "gjpqy", "Éclair ÅÇ", "——", "字 gy Ü", QStringLiteral("E\u0301clair A\u030AC\u0327"),
                             "người ở Ầ Ỗ", QStringLiteral("Vie\u0323\u0302t e\u0302\u0301"), "ที่นี่ คุณ กิ๊ก ปั้น",
                             QStringLiteral("a\u0301\u0302 o\u0308\u0304 U\u0308\u0301 g\u0323\u0331")};
  WriteBytes(QStringLiteral("rows.txt"), texts.join(u'\n').toUtf8());
  for (const int height : {19, 12, 24}) {
    TFont font = kFont;
    font.Height = -height;
    const QJsonArray lines = Lines(CheckJson({"rows.txt", "--height", QString::number(height)}));
    ASSERT_EQ(lines.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
      // The frame with room for a cell above and below it, drawn where the frame draws.
      constexpr int kRoom = 40;
      TBitmap tall = CreateLedFrame();
      PrepareFrame(tall, font);
      const TSize extent = MeasureCaption(tall, texts[i]);
      tall.SetSize(kLedWidth, kLedHeight + 2 * kRoom);
      tall.Image().fill(Qt::black);
      tall.Canvas.TextOut((kLedWidth - extent.cx) / 2, kRoom + (kLedHeight - extent.cy) / 2, texts[i]);
      int above = 0, below = 0;
      for (int y = 0; y < tall.Height(); ++y) {
        bool ink = false;
        for (int x = 0; x < kLedWidth; ++x) ink = ink || qRed(tall.Image().pixel(x, y)) != 0;
        if (ink && y < kRoom) ++above;
        if (ink && y >= kRoom + kLedHeight) ++below;
      }
      const QString lost = Finding(lines[i], "rows-lost");
      EXPECT_EQ(Number(lost, QStringLiteral("(\\d+) rows? above")), above) << height << " " << texts[i].toStdString();
      EXPECT_EQ(Number(lost, QStringLiteral("(\\d+) rows? below")), below) << height << " " << texts[i].toStdString();
      EXPECT_EQ(lost.isNull(), above + below == 0);
      EXPECT_EQ(Finding(lines[i], "missing-glyph").isNull(), LineDrawsEveryGlyph(texts[i], font))
          << texts[i].toStdString();

      ASSERT_EQ(RunCli({"render", texts[i], "--height", QString::number(height), "-o", "frame.png"}).exitCode, 0);
      EXPECT_EQ(QImage(QStringLiteral("frame.png")).convertToFormat(QImage::Format_RGB32),
                tall.Image().copy(0, kRoom, kLedWidth, kLedHeight).convertToFormat(QImage::Format_RGB32));
    }
  }
}

// Every frame on the sheet is, dot for dot, what `render` draws for the line: the centred frame,
// or each page of the scrolling mode.
TEST(CliCheck, TheProofSheetShowsTheFramesRenderDraws) {
  using namespace proof_sheet;
  const QString wide = CaptionWiderThan(kFont, 3 * kLedWidth + 10, QStringLiteral("字a"));  // four pages
  const QStringList texts = {QStringLiteral("哨兵乙：不，你先回答我：站住，说出你的身份！"), wide, QStringLiteral("第二幕"),
                             kOlChiki + QStringLiteral("咒语")};
  WriteShow(QStringLiteral("sheet.lw"), texts, {0, 1, 5, 0});
  ASSERT_EQ(CheckJson({"sheet.lw", "--sheet", "proof.png", "--as-stored"}).exitCode, 2);
  const QImage sheet(QStringLiteral("proof.png"));
  ASSERT_EQ(sheet.width(), kSheetWidth);
  ASSERT_EQ(sheet.height(), SheetHeight(1 + 2 + 1 + 1));

  struct Frame {
    int line, page, row, slot;
  };
  const std::vector<Frame> frames = {{0, -1, 0, kFrameSlot}, {1, 0, 1, 0}, {1, 1, 1, 1}, {1, 2, 1, 2},
                                     {1, 3, 2, 0},           {2, -1, 3, kFrameSlot}, {3, -1, 4, kFrameSlot}};
  for (const Frame& f : frames) {
    QStringList render = {QStringLiteral("render"), texts[f.line], QStringLiteral("-o"), QStringLiteral("frame.png")};
    if (f.page >= 0) render << QStringLiteral("--page") << QString::number(f.page);
    ASSERT_EQ(RunCli(render).exitCode, 0);
    const QImage frame(QStringLiteral("frame.png"));
    int differences = 0;
    for (int y = 0; y < kLedHeight; ++y)
      for (int x = 0; x < kLedWidth; ++x) {
        const bool lit = qRed(frame.pixel(x, y)) != 0;
        const QRgb dot = sheet.pixel(DotCentre(SlotOrigin(f.row, f.slot), x, y));
        differences += lit != (dot == qRgb(255, 40, 30));
      }
    EXPECT_EQ(differences, 0) << "line " << f.line + 1 << " page " << f.page;
  }
  // The cut line's lost columns beside the frame are shaded, not lit; the box is outlined.
  bool shaded = false, outlined = false;
  for (int x = 0; x < kSlotWidth; ++x) {
    for (int y = 0; y < kRowHeight; ++y) shaded = shaded || sheet.pixel(SlotOrigin(0, 0) + QPoint(x, y)) == qRgb(150, 125, 120);
    for (int y = -1; y < kRowHeight; ++y) outlined = outlined || sheet.pixel(SlotOrigin(4, kFrameSlot) + QPoint(x, y)) == qRgb(255, 210, 0);
  }
  EXPECT_TRUE(shaded);
  EXPECT_TRUE(outlined);
}

TEST(CliCheck, ALongShowGoesOnFurtherSheets) {
  using namespace proof_sheet;
  WriteBytes(QStringLiteral("long.txt"), QByteArray("x\n").repeated(kRowsPerSheet * 2 + 1));
  ASSERT_EQ(RunCli({"check", "long.txt", "--sheet", "long.png"}).exitCode, 0);
  EXPECT_EQ(QImage(QStringLiteral("long.png")).height(), SheetHeight(kRowsPerSheet));
  EXPECT_EQ(QImage(QStringLiteral("long-2.png")).height(), SheetHeight(kRowsPerSheet));
  EXPECT_EQ(QImage(QStringLiteral("long-3.png")).height(), SheetHeight(1));
  EXPECT_TRUE(QImage(QStringLiteral("long-4.png")).isNull());

  // A full sheet's header names the lines it holds, as a show of just those lines does.
  QDir().mkdir(QStringLiteral("full"));
  WriteBytes(QStringLiteral("full/long.txt"), QByteArray("x\n").repeated(kRowsPerSheet));
  ASSERT_EQ(RunCli({"check", "full/long.txt", "--sheet", "full.png"}).exitCode, 0);
  const auto header = [](const char* sheet) { return QImage(QLatin1String(sheet)).copy(0, 0, kSheetWidth, kMargin + kHeaderHeight); };
  EXPECT_EQ(header("long.png"), header("full.png"));
}

// The check in the operator's terms: the modes by name, the sizes in the font dialog's points,
// and for each fault what ends it.
TEST(CliCheck, SpeaksTheOperatorsTermsAndSaysTheFix) {
  const QString wide = CaptionWiderThan(kFont, kLedWidth + 40);
  const QStringList texts = {QStringLiteral("第一幕"), QStringLiteral("Name:\tHoratio"), wide};
  WriteShow(QStringLiteral("terms.lw"), texts, {5, 5, 1});
  const CheckRun run = CheckJson({"terms.lw"});
  const QJsonArray lines = Lines(run);
  ASSERT_EQ(lines.size(), texts.size());
  EXPECT_EQ(Finding(lines[2], "carried-mode"),
            QStringLiteral("stored mode 1 (从右向左移入), but Enter from line 2 sends it in mode 5 (从右向左跳入); click it "
                           "before it is sent, or choose mode 1 once Enter has selected it"));
  const int width = lines[2][QStringLiteral("width")].toInt();
  EXPECT_TRUE(Finding(lines[2], "cut")
                  .endsWith(QStringLiteral("; send it in mode 1 (从右向左移入), or shorten it by %1 px").arg(width - kLedWidth)));
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, kFont);
  const int gap = MeasureCaption(frame, QStringLiteral("Name:\t")).cx - MeasureCaption(frame, QStringLiteral("Name:")).cx;
  EXPECT_EQ(Finding(lines[1], "tab"),
            QStringLiteral("a tab character at character 6 (pasted or imported): the sign shows it as %1 px; replace it "
                           "with spaces").arg(gap));
  EXPECT_TRUE(Finding(lines[0], "tab").isNull());

  const CliRun plain = RunCli({"check", "terms.lw"});
  EXPECT_TRUE(plain.out.contains("font \"宋体\" 19 px, 14 pt in 字体设置")) << plain.out.toStdString();
  EXPECT_TRUE(plain.out.contains("1 从右向左移入       5 从右向左跳入       cut: ")) << plain.out.toStdString();

  // The size the summary names keeps every row of ink; one point more does not.
  const QJsonObject fits = run.json[QStringLiteral("summary")][QStringLiteral("no_rows_lost_at")].toObject();
  const int points = fits[QStringLiteral("points")].toInt();
  ASSERT_GT(points, 0) << plain.out.toStdString();
  EXPECT_TRUE(plain.out.contains(QStringLiteral("no line loses ink rows at %1 px, %2 pt in 字体设置")
                                     .arg(fits[QStringLiteral("height")].toInt()).arg(points).toUtf8()));
  for (const int size : {points, points + 1}) {
    TFont font = kFont;
    font.SetSize(size);
    const CheckRun sized = CheckJson({"terms.lw", "--height", QString::number(-font.Height)});
    EXPECT_EQ(sized.json[QStringLiteral("summary")][QStringLiteral("findings")][QStringLiteral("rows-lost")].toInt() == 0,
              size == points) << size << " pt";
  }
}

// A long show adds up its characters' advances where that gives the width the frame measures;
// kerned and joined neighbours are measured whole.
TEST(CliCheck, ALongShowIsMeasuredAsTheFrameMeasures) {
  const QStringList texts = {QStringLiteral("AVAWAYATAV To Ty Wa Yo LT Vo Pa Fe We 7. Ta Yu AT VA"),
                             QStringLiteral("office affine fjord ffi"), QStringLiteral("第12幕 演员甲：今晚的月色真美 (Act 12)"),
                             QStringLiteral("Tiếng Việt có dấu"), QStringLiteral("“引号”——破折号……《书名》、。")};
  WriteBytes(QStringLiteral("measured.txt"), (QStringLiteral("x\n").repeated(2100) + texts.join(u'\n')).toUtf8());
  for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Serif")}) {
    TFont font = kFont;
    font.Name = family;
    TBitmap frame = CreateLedFrame();
    PrepareFrame(frame, font);
    const QJsonArray lines = Lines(CheckJson({"measured.txt", "--font", family}));
    ASSERT_EQ(lines.size(), 2100 + texts.size());
    for (int i = 0; i < texts.size(); ++i)
      EXPECT_EQ(lines[2100 + i][QStringLiteral("width")].toInt(), MeasureCaption(frame, texts[i]).cx)
          << family.toStdString() << ": " << texts[i].toStdString();
  }
}

TEST(CliCheck, ExitStatusAndTheTable) {
  WriteBytes(QStringLiteral("clean.txt"), "OK\n\nGo\n");
  const CliRun clean = RunCli({"check", "clean.txt", "--height", "12"});
  EXPECT_EQ(clean.exitCode, 0) << clean.out.toStdString();  // an empty line alone is no problem
  EXPECT_TRUE(clean.out.contains("  line  pages  width  mode                 sent                 findings\n"
                                 "     1      1     12  0 立即显示           0 立即显示           ok\n"))
      << clean.out.toStdString();
  EXPECT_TRUE(clean.out.contains("empty: an empty line")) << clean.out.toStdString();
  EXPECT_TRUE(clean.out.endsWith(
      "3 lines; findings: empty 1; the whole show takes 446.3 ms on the line, sent once (run with Enter)\n"))
      << clean.out.toStdString();

  const CliRun missing = RunCli({"check", "nowhere.lw"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.count('\n'), 1) << missing.err.toStdString();
  EXPECT_TRUE(missing.out.isEmpty());
  EXPECT_EQ(RunCli({"check", "clean.txt", "--sheet", "no/such/dir/s.png"}).exitCode, 1);
}
