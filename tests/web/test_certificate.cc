#include "tests/web/test_certificate.h"

#include <openssl/x509v3.h>

#include <cstdlib>

namespace modian::testing {

TestCertificate MakeSelfSignedCertificate(const std::string& altName,
                                          int fromDays, int toDays) {
  TestCertificate made{std::unique_ptr<X509, CertificateFree>(X509_new()),
                       std::unique_ptr<EVP_PKEY, CertificateFree>(
                           EVP_EC_gen("P-256"))};
  X509* cert = made.certificate.get();
  if (!cert || !made.key) std::abort();
  constexpr long kDay = 24 * 60 * 60;
  X509_set_version(cert, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
  X509_gmtime_adj(X509_getm_notBefore(cert), fromDays * kDay);
  X509_gmtime_adj(X509_getm_notAfter(cert), toDays * kDay);
  X509_NAME* name = X509_get_subject_name(cert);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("modian test"),
                             -1, -1, 0);
  X509_set_issuer_name(cert, name);
  X509_set_pubkey(cert, made.key.get());
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(
      nullptr, &context, NID_subject_alt_name, altName.c_str());
  if (!extension || !X509_add_ext(cert, extension, -1)) std::abort();
  X509_EXTENSION_free(extension);
  if (X509_sign(cert, made.key.get(), EVP_sha256()) == 0) std::abort();
  return made;
}

}  // namespace modian::testing
