#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QProgressBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "charts/c0_histogram.h"
#include "resampling/show_freq_c0.h"
#include "results/closing_view.h"
#include "runs/basic_run.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/jackknife_run.h"
#include "datafile/data_file_checks.h"
#include "runs/open_data_file.h"
#include "runs/read_sasd.h"
#include "shell/emblem.h"
#include "guidance/greeting.h"
#include "guidance/program_texts.h"
#include "runs/main_window_controls.h"
#include "ui/window_handler.h"
#include "ui/window_room.h"

namespace vorelan {
namespace {

QPushButton* button(const char* caption, const char* tooltip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  if (tooltip) b->setToolTip(tooltip);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

WrappingButton* wrappingButton(const char* caption, const char* tooltip, QWidget* parent) {
  auto* b = new WrappingButton(caption, parent);
  b->setToolTip(tooltip);
  b->setCursor(Qt::PointingHandCursor);
  b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  return b;
}

QLabel* stepLabel(const char* caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setStyleSheet("font-weight: bold; color: #1d3f73;");
  return label;
}

// The box of the usage hint, in letters of the given size.
QString hintStyle(double points) {
  return QString("background: #1d3f9e; color: yellow; font-size: %1pt; font-weight: bold; padding: 14px;")
      .arg(points);
}

}  // namespace

Form1::Form1(AnalysisState& state, Platform& platform, PrinterSource printer)
    : LifeTableFigureProcedures(state, FigureWindow::Main),
      state_(state),
      platform_(platform),
      printer_(std::move(printer)),
      switcher_(*this),
      grafform_([this] {
        return new grafform(switcher_, state_, platform_, printer_, [this](QWidget& from) { leaveByQuitPath(from); });
      }),
      JackBootform_([this] {
        return new JackBootform(switcher_, state_, platform_, printer_, [this] { handle([this] { closeAnalysis(); }); });
      }),
      stagmean_([this] { return new stagmean(switcher_, state_, platform_, printer_); }),
      ResultFm_([this] { return new ResultFm(switcher_, state_, platform_, printer_); }),
      doneform_([this] {
        return new doneform(switcher_, state_, platform_, printer_,
                            [this](QWidget& from) { shellWindows_.open(ShellWindowKind::Druckaus, from); });
      }),
      shellWindows_(switcher_, state_, platform_, printer_) {
  buildControls();
  nameControls();
  connectHandlers();
  Form_Load();
}

Form1::~Form1() {
  delete grafform_.loaded();
  delete JackBootform_.loaded();
  delete stagmean_.loaded();
  delete ResultFm_.loaded();
  delete doneform_.loaded();
}

void Form1::buildControls() {
  setWindowTitle("Vorelan - age-stage, two-sex life table of consumption");
  resizeWithinScreen(*this, QSize(1180, 720));

  Label12 = new ClickableLabel(this);
  Label12->setToolTip("Basic introduction");
  Label12->setCursor(Qt::PointingHandCursor);
  Label12->setStyleSheet("font-size: 17pt; font-weight: bold; color: #1d3f73;");
  Label1 = new ClickableLabel(this);
  Label3 = new ClickableLabel(this);
  Label3->setWordWrap(true);
  Label3->setStyleSheet("background: #e6e6e6; padding: 4px;");
  Label3->setMaximumWidth(260);

  auto* header = new QVBoxLayout;
  header->setSpacing(2);
  header->addWidget(Label12);
  header->addWidget(Label1);

  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(buildStepsColumn());
  left->addWidget(Label3);
  left->addStretch(1);
  body->addLayout(left, 0);
  body->addWidget(buildChartArea(), 1);
  body->addWidget(buildAuthorFrame(), 0);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(header);
  layout->addLayout(body, 1);

  Timer1 = new QTimer(this);
  signColourPause_ = new QTimer(this);
  signColourPause_->setSingleShot(true);
  signColourPause_->setInterval(300);
}

QWidget* Form1::buildStepsColumn() {
  auto* column = new QWidget(this);
  column->setFixedWidth(260);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  layout->addWidget(buildActionFrame(column));
  // The jackknife and the comparison of two bootstraps sit beside the steps.
  cmdJackknife = button("Jackknife", nullptr, column);
  cmdCompare2boots = button("C2B", nullptr, column);
  auto* resampling = new QHBoxLayout;
  resampling->addWidget(cmdJackknife, 1);
  resampling->addWidget(cmdCompare2boots);
  layout->addLayout(resampling);

  layout->addWidget(buildFigureFrame(column));

  Command9 = button("Note well", "Special note", column);
  Command24 = button("Data format", "Format of data file", column);
  Command11 = button("Print page", "Print this form", column);
  Command1 = button("Quit", "Quit this program", column);
  auto* general = new QGridLayout;
  general->addWidget(Command9, 0, 0);
  general->addWidget(Command24, 0, 1);
  general->addWidget(Command11, 1, 0);
  general->addWidget(Command1, 1, 1);
  layout->addLayout(general);
  return column;
}

// Frame4 "Action": the numbered steps.
QGroupBox* Form1::buildActionFrame(QWidget* parent) {
  Frame4 = new QGroupBox("Action", parent);
  auto* steps = new QGridLayout(Frame4);
  Label2 = new ClickableLabel("Step 1.", Frame4);
  Label2->setToolTip("Chech datafile");
  Label2->setCursor(Qt::PointingHandCursor);
  Label2->setStyleSheet("font-weight: bold; color: #1d3f73;");
  cmdOpenDataFile = button("Open data file", "Open data file", Frame4);
  Label4 = stepLabel("Step 2.", Frame4);
  cmdBasicRun = button("Basic Run", "Run life table analysis", Frame4);
  Label5 = stepLabel("Step 3.", Frame4);
  cmdBootstrap = button("Bootstrap",
                        "If you want to use the same bootstrap samples, please select file no. 11 in your life "
                        "table folder.",
                        Frame4);
  Label8 = stepLabel("Step 4.", Frame4);
  Command6 = wrappingButton("Read SASD (in your life table folder) to calculate the finite predation rate",
                            "Read SASD file from life table folder (_10_SASD and Oviposition "
                            "age_for_VORELAN_program_in_column.txt)",
                            Frame4);
  Command12 = wrappingButton("Paired bootstrap test (in Halvek)", "Please use the Paired Bootstrap Test in Halvek",
                             Frame4);
  steps->addWidget(Label2, 0, 0);
  steps->addWidget(cmdOpenDataFile, 0, 1);
  steps->addWidget(Label4, 1, 0);
  steps->addWidget(cmdBasicRun, 1, 1);
  steps->addWidget(Label5, 2, 0);
  steps->addWidget(cmdBootstrap, 2, 1);
  steps->addWidget(Label8, 3, 0, Qt::AlignTop);
  steps->addWidget(Command6, 3, 1);
  steps->addWidget(Command12, 4, 1);
  steps->setColumnStretch(1, 1);
  return Frame4;
}

// Frame1 "Select a figure to display": the figure buttons.
QGroupBox* Form1::buildFigureFrame(QWidget* parent) {
  Frame1 = new QGroupBox("Select a figure to display", parent);
  auto* figures = new QGridLayout(Frame1);
  Command16 = button("s(x,j)", "Surivival rate to each age-stage unit (i,j)", Frame1);
  Command13 = button("g(x,j)", "Transition probability from n(i,j) to n(i+1,j)", Frame1);
  Command14 = button("d(x,j)", "Transition probability from n(i,j) to n(i+1,j+1)", Frame1);
  Command15 = button("c(x,j)", "Consumption rate of n(i,j)", Frame1);
  Command3 = button("l(x)", "Age-specific survival rate", Frame1);
  Command5 = button("c(x)", "Age-specific consumption rate", Frame1);
  Command7 = button("l(x)c(x)", "Age-specific maternity", Frame1);
  Command8 = button("Q", nullptr, Frame1);
  Command10 = button("W", nullptr, Frame1);
  QPushButton* const order[] = {Command16, Command13, Command14, Command15, Command3,
                                Command5,  Command7,  Command8,  Command10};
  for (int i = 0; i < 9; ++i) figures->addWidget(order[i], i / 3, i % 3);
  return Frame1;
}

QWidget* Form1::buildChartArea() {
  Frame3 = new QGroupBox("Graph", this);
  auto* layout = new QVBoxLayout(Frame3);

  // The greeting and the hint lie over the chart until the first figure is drawn.
  auto* area = new QWidget(Frame3);
  auto* stack = new QGridLayout(area);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  MSChart1 = new ChartControl(area);
  MSChart1->setMinimumSize(560, 420);
  MSChart2 = new ChartControl(area);
  // The histogram of a resampling run takes the chart type the window gives it.
  MSChart2->data().type = ChartType::Bar2d;
  MSChart2->setVisible(false);
  Label13 = new ClickableLabel("How do you do?", area);
  Label13->setAlignment(Qt::AlignCenter);
  Label13->setStyleSheet("background: yellow; color: blue; font-size: 24pt; font-weight: bold; padding: 6px;");
  Label14 = new ClickableLabel(area);
  Label14->setWordWrap(true);
  Label14->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label14->setStyleSheet(hintStyle(15.75));
  stack->addWidget(MSChart1, 0, 0, 2, 1);
  stack->addWidget(MSChart2, 0, 0, 2, 1);
  stack->addWidget(Label13, 0, 0);
  stack->addWidget(Label14, 1, 0);
  stack->setRowStretch(1, 1);
  layout->addWidget(area, 1);

  runProgress = new QProgressBar(Frame3);
  runProgress->setTextVisible(true);
  runProgress->setAlignment(Qt::AlignCenter);
  runProgress->setVisible(false);
  layout->addWidget(runProgress);

  Command2 = button("B or J results", "Bootstrap or Jackknife results", Frame3);
  Command23 = button("Means", "Table of means for each stage", Frame3);
  Command27 = button("Results", "Show analytical results in tables", Frame3);
  Command28 = button("Output files", "Show list of output files", Frame3);
  Command25 = button("References", "Show references", Frame3);
  Command4 = button("Large", "Show large graph", Frame3);
  auto* results = new QHBoxLayout;
  for (QPushButton* b : {Command2, Command23, Command27, Command28, Command25, Command4}) results->addWidget(b);
  layout->addLayout(results);
  return Frame3;
}

QWidget* Form1::buildAuthorFrame() {
  Frame2 = new QGroupBox("Author", this);
  Frame2->setFixedWidth(220);
  auto* layout = new QVBoxLayout(Frame2);
  Label6 = new ClickableLabel(Frame2);
  Label6->setToolTip("Introduction");
  Label6->setAlignment(Qt::AlignCenter);
  Label6->setStyleSheet("font-size: 12pt; font-weight: bold;");
  Image1 = new ClickableLabel(Frame2);
  Image1->setToolTip("Note well!");
  Image1->setPixmap(emblemPixmap(120));
  Image1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label10 = new ClickableLabel(Frame2);
  Label10->setToolTip("Introduction");
  Label10->setWordWrap(true);
  Command26 = new QPushButton(Frame2);
  Command26->setToolTip("Quiz");
  Command26->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  Command26->setIconSize(QSize(32, 32));
  Command26->setCursor(Qt::PointingHandCursor);
  lblBootBegin = new QLabel(Frame2);
  lblBootEnd = new QLabel(Frame2);
  layout->addWidget(Label6);
  layout->addWidget(Image1);
  layout->addWidget(Label10);
  layout->addWidget(Command26, 0, Qt::AlignLeft);
  layout->addWidget(lblBootBegin);
  layout->addWidget(lblBootEnd);
  layout->addStretch(1);
  return Frame2;
}

// Names a screen reader says for the controls whose caption is a picture, a
// date or a text that is not what a click does; buttons say their captions.
void Form1::nameControls() {
  const std::pair<QWidget*, const char*> names[] = {
      {Label12, "Program title: basic introduction"},
      {Label1, "Notice line: check the data file"},
      {Label2, "Step 1.: check the data file"},
      {Label3, "Saying"},
      {MSChart1, "Chart of the life-table figures"},
      {MSChart2, "Histogram of C0"},
      {Label13, "Greeting: note well"},
      {Label14, "Usage hint: note well"},
      {runProgress, "Progress of the run"},
      {Label6, "Date: introduction"},
      {Image1, "Emblem: note well"},
      {Label10, "Contact: introduction"},
      {Command26, "Quiz"},
  };
  for (const auto& [control, name] : names) control->setAccessibleName(name);
}

void Form1::connectHandlers() {
  const auto on = [this](QPushButton* button, auto handler) {
    connect(button, &QPushButton::clicked, this, [this, handler] { handle([this, handler] { (this->*handler)(); }); });
  };
  on(cmdOpenDataFile, &Form1::cmdOpenDataFile_Click);
  on(cmdBasicRun, &Form1::cmdBasicRun_Click);
  on(Command6, &Form1::Command6_Click);
  on(Command16, &Form1::ShowSxj);
  on(Command13, &Form1::ShowGij);
  on(Command14, &Form1::ShowDij);
  on(Command15, &Form1::ShowCij);
  on(Command3, &Form1::ShowLx);
  on(Command5, &Form1::ShowCx);
  on(Command7, &Form1::ShowLxCx);
  on(Command2, &Form1::Command2_Click);
  on(Command4, &Form1::Command4_Click);
  on(Command23, &Form1::Command23_Click);
  on(Command27, &Form1::Command27_Click);
  on(Command28, &Form1::Command28_Click);
  on(Command11, &Form1::Command11_Click);
  on(Command12, &Form1::Command12_Click);
  on(cmdJackknife, &Form1::cmdJackknife_Click);
  on(cmdBootstrap, &Form1::cmdBootstrap_Click);
  on(cmdCompare2boots, &Form1::cmdCompare2boots_Click);
  connect(&backgroundRun_, &BackgroundRun::runningChanged, this, &Form1::applyControlStates);
  connect(&backgroundRun_, &BackgroundRun::progressed, this, &Form1::showRunProgress);
  connect(&backgroundRun_, &BackgroundRun::progressed, this, &Form1::showReplicateProgress);
  on(Command1, &Form1::Command1_Click);
  connectGuidanceHandlers();
  Label1->onClick = [this] { handle([this] { CheckDataFileFromLabel(); }); };
  Label2->onClick = Label1->onClick;
  connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
  connect(signColourPause_, &QTimer::timeout, this, [this] { paintLabel6(label6Colour_); });
}

void Form1::Form_Load() {
  state_.run.TimeUnit = 1;
  Label1->setText(QString::fromStdString(noticeLine(QDate::currentDate().year())));
  Label1->setStyleSheet("color: rgb(255, 0, 0);");
  Timer1->setInterval(500);
  Timer1->start();
  Label12->setText(QString::fromStdString(programTitle()));
  Label10->setText(QString::fromStdString(contactBlock()));

  Label13->setVisible(true);
  Label14->setVisible(true);
  applyControlStates();

  ShowSayings();
  Label6->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void Form1::startUp() { shellWindows_.startUp(); }

void Form1::handle(const std::function<void()>& work) {
  if (runWindowHandler(state_, platform_, work)) applyControlStates();
}

void Form1::applyControlStates() {
  const MainWindowControls c = mainWindowControls(state_);
  cmdOpenDataFile->setEnabled(c.cmdOpenDataFile);
  Label2->setEnabled(c.Label2);
  cmdBasicRun->setEnabled(c.cmdBasicRun);
  cmdBootstrap->setEnabled(c.cmdBootstrap);
  cmdJackknife->setEnabled(c.cmdJackknife);
  cmdCompare2boots->setEnabled(c.cmdCompare2boots);
  cmdCompare2boots->setVisible(c.cmdCompare2bootsVisible);
  Command6->setEnabled(c.Command6);
  Command2->setEnabled(c.Command2);
  Command4->setEnabled(c.Command4);
  Command23->setEnabled(c.Command23);
  Command27->setEnabled(c.Command27);
  Command28->setEnabled(c.Command28);
  Frame1->setEnabled(c.Frame1);
  for (QPushButton* figure : {Command16, Command13, Command14, Command15, Command3, Command5, Command7})
    figure->setEnabled(c.figureButtons);
  if (c.histogramShown) {
    MSChart1->setVisible(false);
    MSChart2->setVisible(true);
  }
  lblBootBegin->setVisible(c.bootstrapTimesShown);
  lblBootEnd->setVisible(c.bootstrapTimesShown);
  if (c.replicateProgressShown && runProgress->isHidden()) runProgress->reset();  // a new run starts at 0
  runProgress->setVisible(c.replicateProgressShown);
}

void Form1::cmdOpenDataFile_Click() {
  if (!OpenDataFile(state_, platform_)) return;
  applyControlStates();
  cmdBasicRun->setFocus();
}

void Form1::cmdBasicRun_Click() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const struct CursorBack {
    ~CursorBack() { QApplication::restoreOverrideCursor(); }
  } cursorBack;
  BasicRun(state_, platform_, [this] {
    Command16->setFocus();
    ShowCij();
  });
}

// Read SASD: the stable age-stage distribution file of the cohort, and the
// predation rates formed from it.
void Form1::Command6_Click() { ReadDataFileForSASD2(state_, platform_); }

// The check asked for from the notice line or "Step 1." (it tells the user
// when no data file has been opened yet).
void Form1::CheckDataFileFromLabel() { CheckDatafile(state_, platform_); }

// "Quit" leaves the files open: closing the notice window comes back here,
// and a later step may still write to them. They close when the program ends.
void Form1::Command1_Click() { leaveByQuitPath(*this); }

void Form1::Command4_Click() { switcher_.open(*this, grafform_.get(), SwitchOrder::ShowThenHide); }

// "B or J results".
void Form1::Command2_Click() { switcher_.open(*this, JackBootform_.get(), SwitchOrder::HideThenShow); }

// "Means".
void Form1::Command23_Click() { switcher_.open(*this, stagmean_.get(), SwitchOrder::ShowThenHide); }

// "Results".
void Form1::Command27_Click() { switcher_.open(*this, ResultFm_.get(), SwitchOrder::ShowThenHide); }

// "Output files".
void Form1::Command28_Click() { switcher_.open(*this, doneform_.get(), SwitchOrder::HideThenShow); }

// The closing text under the steps, where it hides no result; no other data
// file can be opened in this run of the program.
void Form1::closeAnalysis() {
  state_.run.AnalysisClosed = true;
  const ClosingView view = closingView(state_);
  if (view.greetingOverChart) {
    Label13->setVisible(true);
    Label14->setVisible(true);
  }
  Label3->setStyleSheet("background: #1d3f9e; color: yellow; font-size: 10pt; font-weight: bold; padding: 4px;");
  Label3->setText(QString::fromStdString(view.text));
  Label3->setVisible(true);
}

void Form1::Command11_Click() { printWindowImage(*this, printer_, platform_); }

void Form1::Command12_Click() {
  platform_.message.show("Please use Halvek to run paired bootstrap test.", "Paired bootstrap test");
}

void Form1::Timer1_Timer() {
  if (greetingTimerWritesLabel6(state_.run)) {
    Label6->setText(QLocale().toString(clock_().date(), QLocale::ShortFormat));
  }
  Label13->setText(QString::fromStdString(nextGreeting(GreetingTicks, GreetingPhase, clock_().time().hour())));
}

void Form1::leaveByQuitPath(QWidget& from) { shellWindows_.quitFrom(from); }

void Form1::closeEvent(QCloseEvent* event) {
  backgroundRun_.requestStop();
  state_.files.closeAll();
  event->accept();
  platform_.programExit.endProgram();
}

void Form1::cmdJackknife_Click() {
  titleBeforeRun_ = windowTitle();
  const bool done = vorelan::cmdJackknife_Click(state_, platform_, backgroundRun_);
  setWindowTitle(titleBeforeRun_);
  if (done) drawFreqC0();
}

void Form1::cmdCompare2boots_Click() { vorelan::cmdCompare2boots_Click(state_, platform_); }

void Form1::drawFreqC0() {
  const auto histogram = ShowFreqC0(state_);
  if (!histogram) return;
  // The greeting and the hint lie over the charts: the histogram is what the
  // user waited for.
  hideGreeting();
  fillC0Histogram(MSChart2->data(), *histogram);
  MSChart2->refresh();
}

// The bar under the chart and the title bar tell how far a long run has come.
void Form1::showRunProgress(qint64 done, qint64 total) {
  if (!backgroundRun_.isRunning() || total <= 0) return;
  const QString what = QString::fromStdString(runProgressCaption(state_));
  runProgress->setRange(0, static_cast<int>(total));
  runProgress->setValue(static_cast<int>(done));
  runProgress->setFormat(what + QString(": %1 of %2").arg(done).arg(total));
  setWindowTitle(titleBeforeRun_ + QString(" \u2014 %1 of %2").arg(done).arg(total));
}

// What each figure does to the main window besides drawing.
FigureWindowSteps Form1::stepsOf(LifeTableFigure figure) {
  switch (figure) {
    case LifeTableFigure::Sxj: return {.chartVisibleAtEnd = true, .focus = Command13};
    case LifeTableFigure::Gij: return {.chartVisibleAtEnd = true, .hidesGreeting = true, .focus = Command14};
    case LifeTableFigure::Dij: return {.chartVisibleAtEnd = true, .hidesGreeting = true, .focus = Command15};
    case LifeTableFigure::Cij: return {.chartVisibleFirst = true};
    case LifeTableFigure::Lx: return {.chartVisibleAtEnd = true, .focus = Command5};
    case LifeTableFigure::LxCx: return {};
    case LifeTableFigure::Cx: return {.chartVisibleAtEnd = true, .hidesGreeting = true, .focus = Command7};
  }
  return {};
}

void Form1::hideGreeting() {
  Label13->setVisible(false);
  Label14->setVisible(false);
}

}  // namespace vorelan
