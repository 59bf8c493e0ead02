// Self-signed TLS certificates made at test time, for a loopback HTTPS server.
#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <string>

namespace modian::testing {

struct CertificateFree {
  void operator()(X509* certificate) const { X509_free(certificate); }
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};

struct TestCertificate {
  std::unique_ptr<X509, CertificateFree> certificate;
  std::unique_ptr<EVP_PKEY, CertificateFree> key;
};

// A self-signed certificate whose subjectAltName is `altName` (such as
// "IP:127.0.0.1" or "DNS:other.test"), valid from `fromDays` to `toDays`
// days after now.
TestCertificate MakeSelfSignedCertificate(const std::string& altName,
                                          int fromDays, int toDays);

}  // namespace modian::testing
