// The one road of error reports: data errors in the "Data Error" box, every
// other number in the error report.
#include "FrameTest.h"
#include "frame/ErrorLogger.h"

namespace {

class DataError : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(DataError, ShowsTheThreePaddedLinesInTheDataErrorBox) {
  qv::Error_Logger("M3_Quorvane:SS_MC_Edit_Rate", GetParam(), "Amount is MANDATORY!");
  ASSERT_EQ(host_.modals().size(), 1u);
  EXPECT_EQ(lastBox().screen, "F9_MBX");
  EXPECT_EQ(lastBox().title, "Data Error");
  EXPECT_EQ(lastBox().buttons, QStringList{"OK"});
  EXPECT_EQ(lastBox().text.split(u'\r', Qt::SkipEmptyParts),
            QStringList({"Procedure Name:        M3_Quorvane:SS_MC_Edit_Rate",
                         "Error Number:          " + QString::number(GetParam()),
                         "Error Description:     Amount is MANDATORY!"}));
  EXPECT_TRUE(reports().empty());
}

INSTANTIATE_TEST_SUITE_P(Numbers, DataError, ::testing::Values(800, 850, 899), ::testing::PrintToStringParamName());

class OtherError : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherError, GoesToTheErrorReport) {
  qv::Error_Logger("M4_FileCode:Save_File", GetParam(), "Something failed");
  ASSERT_EQ(reports().size(), 1u);
  const qv::ShownModal report = reports().front();
  EXPECT_NE(report.screen, "F9_MBX");
  EXPECT_TRUE(shows(report, QString::number(GetParam()))) << report.text.toStdString();
  EXPECT_TRUE(shows(report, "M4_FileCode:Save_File")) << report.text.toStdString();
  EXPECT_TRUE(shows(report, "Something failed")) << report.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Numbers, OtherError, ::testing::Values(799, 900, 91), ::testing::PrintToStringParamName());

}  // namespace
