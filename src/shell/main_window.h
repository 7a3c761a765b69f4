#pragma once
// The main window: the numbered steps, the figure buttons, the chart area
// with the buttons of the result windows, and the author frame. Every
// handler runs its work inside runHandler, so a data error ends the program
// with every file closed.
#include <QDateTime>
#include <QWidget>

#include "figures/chart_control.h"
#include "ui/background_run.h"
#include "windows/JackBootform.h"
#include "windows/ResultFm.h"
#include "windows/doneform.h"
#include "windows/grafform.h"
#include "windows/stagmean.h"
#include "figures/life_table_figure_procedures.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "runs/bootstrap_progress.h"
#include "ui/controls.h"
#include "ui/window_printing.h"
#include "shell/shell_windows.h"
#include "ui/window_switching.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vorelan {

class Form1 : public QWidget, public LifeTableFigureProcedures {
 public:
  Form1(AnalysisState& state, Platform& platform, PrinterSource printer = defaultPrinter);
  ~Form1() override;

  // The large-chart window while it is loaded, otherwise null.
  grafform* largeChartWindow() const { return grafform_.loaded(); }
  // The result windows while they are loaded, otherwise null.
  JackBootform* resamplingResultWindow() const { return JackBootform_.loaded(); }
  stagmean* stageMeansWindow() const { return stagmean_.loaded(); }
  ResultFm* resultTablesWindow() const { return ResultFm_.loaded(); }
  doneform* outputFilesWindow() const { return doneform_.loaded(); }
  WindowSwitcher& switcher() { return switcher_; }
  ShellWindows& shellWindows() { return shellWindows_; }
  // The start of the program: the backdrop and the title window, this window hidden.
  void startUp();
  // Where the greeting timer reads the date and the hour.
  void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  // Directly on the window.
  QPushButton* cmdJackknife;
  QPushButton* cmdCompare2boots;
  QPushButton* Command9;   // Note well
  QPushButton* Command24;  // Data format
  QPushButton* Command1;   // Quit
  QPushButton* Command11;  // Print page
  ClickableLabel* Label3;  // a second saying
  ClickableLabel* Label1;  // the notice line
  ClickableLabel* Label12; // the program's title
  QTimer* Timer1;

  // Frame4 "Action": the steps.
  QGroupBox* Frame4;
  ClickableLabel* Label2;  // Step 1.
  QPushButton* cmdOpenDataFile;
  QLabel* Label4;  // Step 2.
  QPushButton* cmdBasicRun;
  QLabel* Label5;  // Step 3.
  QPushButton* cmdBootstrap;
  QLabel* Label8;  // Step 4.
  WrappingButton* Command6;  // Read SASD
  WrappingButton* Command12; // Paired bootstrap test

  // Frame3 "Graph": the chart area.
  QGroupBox* Frame3;
  ChartControl* MSChart1;
  ChartControl* MSChart2;
  ClickableLabel* Label13;  // the greeting
  ClickableLabel* Label14;  // the usage hint and a saying
  QPushButton* Command2;    // B or J results
  QPushButton* Command23;   // Means
  QPushButton* Command27;   // Results
  QPushButton* Command28;   // Output files
  QPushButton* Command25;   // References
  QPushButton* Command4;    // Large
  QProgressBar* runProgress;  // passes or replicates done, shown while a resampling run goes

  // Frame2 "Author".
  QGroupBox* Frame2;
  ClickableLabel* Image1;
  ClickableLabel* Label6;   // the date
  ClickableLabel* Label10;  // element 1: the contact block
  QPushButton* Command26;   // the quiz picture
  QLabel* lblBootBegin;
  QLabel* lblBootEnd;

  // Frame1 "Select a figure to display".
  QGroupBox* Frame1;
  QPushButton* Command16;  // s(x,j)
  QPushButton* Command13;  // g(x,j)
  QPushButton* Command14;  // d(x,j)
  QPushButton* Command15;  // c(x,j)
  QPushButton* Command3;   // l(x)
  QPushButton* Command5;   // c(x)
  QPushButton* Command7;   // l(x)c(x)
  QPushButton* Command8;   // Q
  QPushButton* Command10;  // W

 protected:
  // The close box ends the program at once.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  QWidget* buildStepsColumn();
  QGroupBox* buildActionFrame(QWidget* parent);
  QGroupBox* buildFigureFrame(QWidget* parent);
  QWidget* buildChartArea();
  QWidget* buildAuthorFrame();
  void nameControls();
  void connectHandlers();
  // Enables and shows the controls as the phase of the run allows.
  void applyControlStates();
  void Form_Load();

  void cmdOpenDataFile_Click();
  void cmdBasicRun_Click();
  void Command6_Click();
  void CheckDataFileFromLabel();
  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  void Command23_Click();
  void Command27_Click();
  void Command28_Click();
  // The user has seen the result of the resampling run: the analysis of this
  // run of the program ends.
  void closeAnalysis();
  void Command11_Click();
  void Command12_Click();
  void cmdJackknife_Click();
  // The bootstrap run: its questions, the replicates off this window's
  // thread, the begin and end labels and the histogram of C0.
  void cmdBootstrap_Click();
  // Label6's sign at every thousandth replicate of a bootstrap run.
  void showReplicateProgress(qint64 done, qint64 total);
  void paintLabel6(ProgressSignColour colour);
  void cmdCompare2boots_Click();
  // The histogram of C0 that a resampling run leaves, on MSChart2.
  void drawFreqC0();
  void showRunProgress(qint64 done, qint64 total);
  void Timer1_Timer();

  // The introduction, guidance and quit windows opened from here.
  void connectGuidanceHandlers();
  void ShowSayings();
  void Command9_Click();
  void Command24_Click();
  void Command25_Click();
  void Command26_Click();
  void Label6_Click();
  void Label12_Click();
  void Label13_Click();
  void OpenShellWindow(ShellWindowKind kind);

  // The figures of the life table are drawn on MSChart1.
  ChartControl& figureChart() override { return *MSChart1; }
  FigureWindowSteps stepsOf(LifeTableFigure figure) override;
  void hideGreeting() override;
  // Leaves the program from `from` by the quit path; closes no file.
  void leaveByQuitPath(QWidget& from);
  // Runs one handler's work at the boundary of the core.
  void handle(const std::function<void()>& work);

  AnalysisState& state_;
  Platform& platform_;
  PrinterSource printer_;
  WindowSwitcher switcher_;
  WindowSlot<grafform> grafform_;
  WindowSlot<JackBootform> JackBootform_;
  WindowSlot<stagmean> stagmean_;
  WindowSlot<ResultFm> ResultFm_;
  WindowSlot<doneform> doneform_;
  ShellWindows shellWindows_;
  BackgroundRun backgroundRun_;  // the passes and replicates of the resampling runs
  QString titleBeforeRun_;
  ProgressSignColour label6Colour_ = ProgressSignColour::Own;
  ProgressSignColour label6ColourAtBegin_ = ProgressSignColour::Own;  // when the replicates began
  std::int64_t progressSignsShown_ = 0;
  QTimer* signColourPause_;  // how long a passing colour of Label6 stands
  std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
  int GreetingTicks = 0;
  int GreetingPhase = 0;
};

}  // namespace vorelan
