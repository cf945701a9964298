// Texts outside the BMP in every field of an exception the runtime converts:
// a failure inside a result struct and both failures a stream reports.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ostrel.h"
#include "reference_server.h"
#include "string_converter.h"
#include "testrecord.h"

namespace ostrel {
namespace {

namespace ae = com::ostrel::serverbase::applicationexception;
namespace query = com::ostrel::serverbase::query;
using base::StringConverter;

std::wstring const kMessage = L"Grenze \U0001F6A7 erreicht";
std::wstring const kSource = L"Lohnart \U0001D4AE";
std::wstring const kDetail = L"Feld \U00020BB7 leer";

// Wide text as it goes on the wire.
CORBA::WChar* Wire(std::wstring const& text) {
  return CORBA::wstring_dup(StringConverter::SplitNonBmp(text).c_str());
}

TEST(ExceptionText, ResultStructFailureKeepsEveryField) {
  ae::DomainExceptionStruct d;
  d.message = Wire(kMessage);
  d.domainClass = Wire(kSource);
  d.memberName = Wire(kDetail);
  ae::optException sent;
  sent.domainException(d);
  ae::optException_var back =
      com::ostrel::reference::ControlServant_var(testing::Control())->echoFailure(sent);
  std::unique_ptr<base::VException> e(base::Ostrel::Instance()->GetException(back.in()));
  EXPECT_EQ(e->GetMessage(), kMessage);
  EXPECT_EQ(e->GetSource(), kSource);
  EXPECT_EQ(e->GetDetail(), kDetail);
  EXPECT_EQ(e->GetCode(), base::VException::kDomain);
}

TEST(ExceptionText, StreamFailuresKeepEveryField) {
  for (bool domain : {false, true}) {
    SCOPED_TRACE(domain ? "domain" : "database");
    auto cb = std::make_unique<TestRecord::Callback>(0u);
    query::AllCallback_var ref = cb->_this();
    if (domain) {
      ae::DomainExceptionStruct d;
      d.message = Wire(kMessage);
      d.domainClass = Wire(kSource);
      d.memberName = Wire(kDetail);
      com::ostrel::reference::ControlServant_var(testing::Control())
          ->reportStreamDomainFailure(ref, d);
    } else {
      query::DatabaseExceptionStruct x;
      x.message = Wire(kMessage);
      x.source = Wire(kSource);
      x.detail = Wire(kDetail);
      com::ostrel::reference::ControlServant_var(testing::Control())->reportStreamFailure(ref, x);
    }
    ASSERT_TRUE(cb->IsFailed());
    base::VException const* e = cb->GetException();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetMessage(), kMessage);
    EXPECT_EQ(e->GetSource(), kSource);
    EXPECT_EQ(e->GetDetail(), kDetail);
  }
}

}  // namespace
}  // namespace ostrel
