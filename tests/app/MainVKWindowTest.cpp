// The main window's display: painting, scroll bars, the per-second refresh, the hit test, the
// first paint and the caption.
#include "tests/app/MainWindowFixture.h"

using namespace velkor;
using namespace velkor::test;

TEST_F(MainVKWindowTest, RendersBackgroundHighlightedLineAndInverseHeaderOfAHiddenCurrentProject)
{
    MainVKWindow& w = start();
    ASSERT_EQ(w.layout().cells.size(), 3u);
    ASSERT_TRUE(w.engine().CheckIn(0, 1, false)); // Alpha/Read
    clock.advance(75);
    QImage image = render();
    EXPECT_EQ(from_qcolor(image.pixelColor(w.width() / 2, w.height() - 3)), kBackground);
    EXPECT_TRUE(w.refresh_timer_running());
    // The current line is drawn in the background colour on the category colour.
    const GridProjectLine& read = w.layout().cells[0].lines[1];
    ASSERT_TRUE(read.is_current);
    QRect line = qrect(read.clip);
    EXPECT_GT(count_color(image, line, kRed), line.width() * line.height() / 2);
    // Any other line keeps the background; headers are not inverted while the line shows.
    QRect other = qrect(w.layout().cells[0].lines[0].clip);
    EXPECT_LT(count_color(image, other, kRed), other.width() * other.height() / 2);
    EXPECT_EQ(count_color(image, header_probe(w.layout().cells[0]), kRed), 0);

    // Too low for the line: the header is inverted so the user sees where the project is.
    w.resize(600, 3 * w.layout().line_height + 4);
    image = render();
    ASSERT_TRUE(w.layout().cells[0].hides_current);
    EXPECT_EQ(count_color(image, header_probe(w.layout().cells[0]), kRed), 6 * 2);
}

TEST_F(MainVKWindowTest, ScrollBarsFollowTheCategoriesThatNeedThemAndMoveOnlyOnChange)
{
    write_file(dir.file("project.txt"), project_file(30));
    MainVKWindow& w = start({600, 200});
    auto* bar = w.findChild<MyScrollBar*>("id301");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(w.findChild<MyScrollBar*>("id300"), nullptr);
    EXPECT_TRUE(bar->isVisible());
    const GridCell& beta = w.layout().cells[1];
    EXPECT_EQ(bar->geometry(), QRect(beta.bar.left, beta.bar.top, bar->width(), beta.bar.height));
    // 30 projects, a page of what fits: the bar stops with the last project on the bottom line.
    const int fit = beta.lines_fit; // scrolling lays the grid out anew
    EXPECT_EQ(bar->maximum(), 30 - fit);
    EXPECT_EQ(bar->pageStep(), fit);
    bar->setValue(29);
    EXPECT_EQ(w.layout().cells[1].skipped, 30 - fit);
    EXPECT_EQ(w.layout().cells[1].lines.back().project, 29);
    bar->setValue(0);

    const int changes = bar->changes(); // painting with nothing changed leaves the bar alone
    render();
    EXPECT_EQ(bar->changes(), changes);

    // Scrolling the current project out of view inverts the header; back again restores it.
    ASSERT_TRUE(w.engine().CheckIn(1, 0, false));
    bar->setValue(3);
    EXPECT_EQ(w.layout().cells[1].skipped, 3);
    EXPECT_TRUE(w.layout().cells[1].hides_current);
    bar->setValue(0);
    EXPECT_FALSE(w.layout().cells[1].hides_current);

    // Tall enough for every project: the bar goes.
    w.resize(600, 40 * w.layout().line_height);
    render();
    EXPECT_EQ(w.scroll_bars().count(), 0);
}

TEST_F(MainVKWindowTest, PerSecondRefreshRedrawsOnlyTheCurrentLineAndStopsAfterCheckOut)
{
    MainVKWindow& w = start();
    ASSERT_TRUE(w.engine().CheckIn(2, 0, false)); // Gamma/One
    w.draw_grid_now();
    PaintSpy spy;
    w.installEventFilter(&spy);
    w.refresh_current_line();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !spy.regions.empty(); }));
    ASSERT_TRUE(w.layout().cells[2].lines[0].is_current);
    EXPECT_EQ(spy.regions.front(), QRegion(qrect(*current_line_rect(w.layout(), 2, 0))));

    ASSERT_TRUE(w.engine().CheckOut(false));
    EXPECT_FALSE(w.refresh_timer_running());
    w.refresh_current_line(); // a tick after check-out draws nothing
    QTest::qWait(20);
    EXPECT_EQ(spy.regions.size(), 1u);
    w.removeEventFilter(&spy);
}

TEST_F(MainVKWindowTest, HitTestGivesListIndicesPastHiddenCategoriesAndProjects)
{
    MainVKWindow& w = start();
    list().set_category_shown(0, false);   // Alpha
    list().set_project_shown(1, 0, false); // Beta/B0
    w.set_measure_flag();
    w.draw_grid_now();
    ASSERT_EQ(w.layout().cells.size(), 2u);
    const GridCell& beta = w.layout().cells[0];
    QPoint first_line(beta.lines[0].clip.left + 2, beta.lines[0].clip.top + 2);
    EXPECT_EQ(w.hit_test(first_line, false), (ListHit{1, 1}));
    EXPECT_EQ(w.hit_test(QPoint(beta.left + beta.width / 2, beta.header_y + 2), true), (ListHit{1, NPOS}));
    const GridRect& one = w.layout().cells[1].lines[0].clip;
    EXPECT_EQ(w.hit_test(QPoint(one.left + 2, one.top + 2), false), (ListHit{2, 0}));
    // A list replaced since the last paint is not hit with the old grid's indices.
    app->lists().adopt(std::make_unique<ProjectList>());
    EXPECT_EQ(w.hit_test(first_line, false), std::nullopt);
}

TEST(GridPainter, RepeatedCurrentLineSkipsTheLeaderUnlessAFullRedrawIsDue)
{
    QImage image(400, 20, QImage::Format_RGB32);
    const Color marker = make_rgb(1, 2, 3);
    GridProjectLine line;
    line.top = 0;
    line.clip = {0, 0, 400, 20};
    CurrentLineMemory memory;
    auto draw = [&](std::int64_t seconds, bool show_elapsed, bool current, std::size_t p) {
        image.fill(to_qcolor(marker));
        QPainter painter(&image);
        GridPainter grid(painter, QFont(), 20, kBackground, kBlack);
        grid.draw_project_line(line, {"Project", seconds, show_elapsed}, kBlack, kBackground, current, 0, p, memory);
    };
    draw(59, true, true, 0); // full redraw due: leader and name cover the whole line
    EXPECT_EQ(count_color(image, QRect(0, 0, 400, 20), marker), 0);
    EXPECT_FALSE(memory.full_redraw);
    draw(60, true, true, 0); // only the time at the right end is drawn
    EXPECT_EQ(count_color(image, QRect(0, 0, 300, 20), marker), 300 * 20);
    EXPECT_LT(count_color(image, QRect(380, 0, 20, 20), marker), 20 * 20);
    draw(3600, false, false, 1); // not current, show-elapsed off: only the name, no leader dots
    EXPECT_EQ(count_color(image, QRect(200, 0, 200, 20), marker), 200 * 20);
}

TEST_F(MainVKWindowTest, EmptyProjectFileAsksToCreateProjectsAndNoLeavesAnEmptyGrid)
{
    write_file(dir.file("project.txt"), "");
    prompt.answer(Answer::No);
    MainVKWindow& w = start();
    ASSERT_GE(prompt.count(), 1u);
    EXPECT_EQ(prompt.messages().back(), (Message{"You have no projects.  Would you like to create some now?", "Warning",
                                                 Buttons::YesNo, Icon::Question}));
    EXPECT_TRUE(w.layout().cells.empty());
    QImage image = render();
    EXPECT_EQ(count_color(image, image.rect(), kBackground), image.width() * image.height());
}

TEST_F(MainVKWindowTest, FirstPaintScansTheLogBeforeOfferingTheOpenSessionBack)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nBkColor=255,255,255\r\nCloseOnSelect=n\r\nReadLogTime=1\r\n"
                                        "AskAboutTutorial=0\r\n");
    write_file(dir.file("velkors.log"),
               log_line("Alpha", "Write", 8, 2) + log_line("Gamma", "One", 11, 1) + log_line("Gone", "Away", 12, 1));
    write_file(dir.file("velkors.lck"), EncodeLckRecord({{30, 9, 0, 0}, {2024, 3, 7}, "Gamma", "One", "", ""}));

    // The crash-guard dialog comes up once the grid is drawn: note what the scan gave, then Continue.
    std::uint32_t seen_at_recovery = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen_at_recovery = app->project_list()->project_seconds(2, 0);
            poll.stop();
            modal->findChild<QPushButton*>("id202")->click();
        }
    });
    poll.start(10);
    MainVKWindow& w = start();
    EXPECT_EQ(seen_at_recovery, 3600u);
    EXPECT_EQ(list().project_seconds(0, 0), 7200u);
    ASSERT_TRUE(w.engine().is_checked_in());
    EXPECT_EQ(list().current_project_name(), "One");
    EXPECT_EQ(w.engine().state().check_in_time.hour, 9);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.refresh_timer_running(); }));
}

TEST_F(MainVKWindowTest, CaptionShowsTheGrandTotalTheProjectAndTheTitleWhileIdle)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nShowTotalAllTimes=1\r\nShowVKRName=1\r\nAskAboutTutorial=0\r\n");
    MainVKWindow& w = start();
    list().add_seconds(0, 0, 3000);
    list().add_seconds(1, 2, 700);
    ASSERT_TRUE(w.engine().CheckIn(0, 1, false));
    clock.advance(23);
    w.update_caption();
    EXPECT_EQ(w.windowTitle(), "1:02:03 - Read");
    ASSERT_TRUE(w.engine().CheckOut(false));
    EXPECT_EQ(w.windowTitle(), "1:02:03 - Velkor");
    // A reloaded list starts from zero, and so does the total.
    w.request_reload_list();
    w.draw_grid_now();
    EXPECT_EQ(w.windowTitle(), "0:00:00 - Velkor");
    // Nothing to show: a blank title, where Qt would put the program's name in an empty one.
    put(app->settings(), kShowTotalAllTimes, "0");
    put_int(app->settings(), kShowVKRName, 2);
    w.read_display_settings();
    w.update_caption();
    EXPECT_EQ(w.windowTitle(), " ");
}

TEST_F(MainVKWindowTest, DisplaySettingsKeepRowsAndMarginUsableAndABadColourGivesBlack)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nBkColor=nonsense\r\nDesiredRows=0\r\nMargin=-5\r\n"
                                        "Font=-20,0,0,0,400,100,1,0,0,0,1,2,1,34,System\r\nShowTotalTime=Yes\r\n");
    PrivateIniFile ini(dir.file("velkors.ini"));
    DisplaySettings d = read_display_settings(ini, make_rgb(240, 240, 240), prompt);
    EXPECT_EQ(prompt.last().text, "BkColor = nonsense");
    EXPECT_EQ(d.background, kBlack);
    EXPECT_EQ(d.line, make_rgb(255, 255, 255));
    EXPECT_EQ(d.desired_rows, 1);
    EXPECT_EQ(d.margin, 1);
    EXPECT_TRUE(d.show_total_time);
    EXPECT_EQ(d.font.pixelSize(), 20);
    EXPECT_FALSE(d.font.bold());
    EXPECT_TRUE(d.font.italic());
}

TEST(TProgress, GaugeOnlyMovesForwardAndCancelStopsTheScan)
{
    TProgress progress;
    progress.begin(1000);
    EXPECT_EQ(progress.windowTitle(), "Velkor");
    EXPECT_TRUE(progress.update(500));
    EXPECT_EQ(progress.percent(), 50);
    EXPECT_TRUE(progress.update(100));
    EXPECT_EQ(progress.percent(), 50);
    progress.findChild<QPushButton*>("id2")->click();
    EXPECT_FALSE(progress.update(600));
    progress.end();
    EXPECT_FALSE(progress.isVisible());
}
