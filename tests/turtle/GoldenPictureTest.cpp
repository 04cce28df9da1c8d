#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

// Whole pictures drawn through the console program and compared pixel for pixel with the
// pictures kept in golden/. ZEMBRIX_WRITE_GOLDEN=1 writes them anew (look at them before
// committing).

namespace {

struct Picture {
    const char* name;
    const char* script;
};

const Picture kPictures[] = {
    {"star", "repeat 5 [forward 150 right 144]\nhideturtle\n"},
    {"spiral", "repeat 100 [forward repcount * 3 right 91]\n"},
    {"wrapping", "setheading 30 forward 2000\nhideturtle\n"},
    {"fence-bounce", "setrangestyle \"bounce\nsetheading 20 forward 3000\nsetrangestyle \"fence\nsetheading 200 forward 3000\n"},
    // Each joint of a path drawn with the reversing pen is flipped once; drawing it twice over a
    // drawn square restores the square.
    {"reverse", "repeat 4 [forward 100 right 90]\nsetpencolour [255 0 0] penreverse\nsetheading 45\n"
                "repeat 2 [repeat 3 [forward 120 right 120]]\nrepeat 3 [forward 60 right 120]\nhideturtle\n"},
    {"erase", "repeat 36 [forward 100 back 100 right 10]\npenerase\nrepeat 18 [forward 80 back 80 right 20]\n"},
    {"pen-patterns", "hideturtle right 90\nrepeat 7 [penup setxy -200 repcount * 20 pendown setpenpattern repcount - 1 forward 400]\n"
                     "setpenwidth 3 setpenpattern 1 penup setxy -200 -40 pendown forward 400\n"},
    {"shapes", "hideturtle penup setpencolour [200 0 0] setfillcolour [0 0 200]\n"
               "setxy -100 0 circle 51 setxy 0 0 filledcircle 40 setxy 100 0 setpenwidth 7 dot\n"
               "setxy 150 0 point 2 setxy 160 0 point 3 setxy 170 0 point 4\n"
               "setpenwidth 1 setxy -50 -100 pendown repeat 4 [forward 80 right 90] penup setxy -40 -90 fill\n"},
    {"drawing-lists", "hideturtle penup setxy -300 100 setheading 30\n"
                      "drawlist [50 90 50 90 50 90 50]\n"
                      "setxy -150 100 setfillcolour [0 160 0] polygon [60 144 60 144 60 144 60 144 60]\n"
                      "setxy 0 100 drawlist [setpenwidth 3 setpencolour [0 0 255] ellipse [90 50] setfillpattern 4 filledcircle 36]\n"
                      "setxy 150 100 drawlist [filledellipse [80 80 0 270] setpencolour [255 0 0] ellipse [100 100 300 60]]\n"
                      "setxy -300 -100 setheading 0 drawspline [40 90 40 90 40 90 40]\n"
                      "setxy -150 -100 outline [[0 0] [20 40] [40 0] [] [10 20] [30 20]]\n"
                      "setxy 0 -100 drawlist [repeat 12 [penup forward 40 pendown dot penup back 40 right 30] point 9]\n"
                      "setxy 150 -100 drawlist [setpenpattern 1 repeat 6 [forward 40 right 60] setpenpattern 0 setpenwidth 5 setpos [0 -30] right 90 forward 40]\n"},
    // Only the faces of the fonts-dejavu-core package: an italic would be another machine's.
    {"labels", "hideturtle penup setxy -300 200 label \"Zembrix\n"
               "setxy -300 150 setfont [[DejaVu Sans] [18 700]] setpencolour [200 0 0] label [bold red]\n"
               "setxy -300 100 setfont [[DejaVu Serif] [14 400 6 1]] setpencolour 0 label (word \"two char 13 \"lines)\n"
               "setfont \"\n"
               "setxy 100 0 repeat 8 [setheading repcount * 45 label [ turn]]\n"
               "setxy -300 -100 setheading 0 setfont [[] [[] [] [] [] 1]] label \"baseline\n"
               "setxy -300 -150 setheading 90 label2 \"first label2 \"second\n"
               "setheading 0 setxy 100 -150 drawlist [label [listed] right 90 penup forward 30 setfont [[DejaVu Sans] [20]] label [big]]\n"},
    // The built-in turtle stamped at eight headings, each frame's hot spot on its dot; then the
    // shown turtle over the picture at heading 100, wearing the 105-degree frame over a red dot.
    {"worn-shapes", "penup setshape \"*turtle\nrepeat 8 [setxy repcount * 40 - 180 0 setheading repcount * 45 stamp dot]\n"
                    "setxy 0 -60 setpencolour [255 0 0] dot setheading 100\n"},
    {"wide", "setpenwidth 3 forward 100 right 90 forward 100\nsetpenwidth 8 setpencolour [0 128 0] right 45 forward 60\nhideturtle\n"},
    // A part of the page taken, put back tiled and stretched, stamped scaled and recoloured; a
    // shown turtle wearing a drawing list at heading 30.
    {"pictures", "hideturtle penup setpencolour [200 0 0] setpenwidth 3 setxy -380 200 pendown\n"
                 "repeat 4 [forward 40 right 90] penup setxy -362 218 setpencolour [0 0 0] point 9\n"
                 "make \"box takepicture [-385 245 50 50]\n"
                 "putpicture :box [style tile arect [20 100 150 100]]\n"
                 "putpicture :box [style stretch arect [200 100 200 120]]\n"
                 "setxy 0 -100 setshapescale 2 setshapecolour [0 0 255] setshape :box stamp\n"
                 "setshapescale 1 setshapecolour [] setxy 150 -100 setheading 30\n"
                 "setshape [setpencolour [0 128 0] setfillcolour [0 200 0] polygon [60 120 60 120 60]] showturtle\n"},
    // Panes over the page: the page's red line passes beneath the yellow pane, a turtle draws a
    // square in the blue pane, a pane erased again leaves nothing behind, and the blue pane,
    // brought to the front, covers the green one made after it.
    {"panes", "pendown setpencolour [255 0 0] setheading 90 back 300 forward 600 hideturtle\n"
              "ask \"mainwindow1'page1 [new \"pane [name left pos [-350 200] size [200 150] bgcolour [0 0 255]]]\n"
              "ask \"mainwindow1'page1 [new \"pane [name right aPos [500 200] width 150 height 100 bgcolour [255 255 0]]]\n"
              "ask \"mainwindow1'page1 [new \"pane [name gone pos [0 -100] bgcolour [0 255 0]]]\n"
              "ask \"mainwindow1'page1'left [new \"turtle [name painter]]\n"
              "ask \"mainwindow1'page1'painter [pendown setpencolour [255 255 255] repeat 4 [forward 40 right 90]]\n"
              "ask \"mainwindow1'page1 [eraseobject \"gone]\n"
              "ask \"mainwindow1'page1 [new \"pane [name under pos [-200 100] bgcolour [0 160 0]]]\n"
              "ask \"mainwindow1'page1'left [tofront]\n"},
};

// Shown by name in test listings and failures.
void PrintTo(const Picture& picture, std::ostream* out) { *out << picture.name; }

std::string run(const Picture& picture, const std::string& out)
{
    const std::string command = std::string(ZEMBRIX_PROGRAM) + " --console --snapshot " + out + " 2>&1";
    FILE* program = popen(command.c_str(), "w");
    if (!program) return "cannot start";
    std::fputs(picture.script, program);
    return pclose(program) == 0 ? "" : "exit status not 0";
}

class GoldenPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(GoldenPicture, MatchesItsGoldenPicture)
{
    const Picture& picture = GetParam();
    const std::string golden = std::string(GOLDEN_DIR) + "/" + picture.name + ".png";
    // Other builds may run the same case at the same time: the file is this process's own.
    const std::string out =
        std::string(::testing::TempDir()) + "zembrix-" + std::to_string(getpid()) + "-" + picture.name + ".png";
    ASSERT_EQ(run(picture, out), "");
    QImage drawn(QString::fromStdString(out));
    std::remove(out.c_str());
    ASSERT_FALSE(drawn.isNull());
    drawn = drawn.convertToFormat(QImage::Format_RGB32);
    if (const char* write = std::getenv("ZEMBRIX_WRITE_GOLDEN"); write && *write == '1') {
        ASSERT_TRUE(drawn.save(QString::fromStdString(golden), "PNG"));
        return;
    }
    QImage expected(QString::fromStdString(golden));
    ASSERT_FALSE(expected.isNull()) << golden;
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != expected.pixel(x, y) && differing++ < 5)
                ADD_FAILURE() << picture.name << ": pixel " << x << "," << y << " differs";
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Drawing, GoldenPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
