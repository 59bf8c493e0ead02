"use strict";

// Qt WebEngine 6.4 refuses fetch() on a custom scheme but serves
// XMLHttpRequest there, so requests for this page's own scheme (the emulator's
// WebAssembly, the ".swf") go through XMLHttpRequest.
(() => {
  const nativeFetch = window.fetch.bind(window);

  function requestUrl(resource) {
    const href = resource instanceof Request ? resource.url : String(resource);
    return new URL(href, document.baseURI);
  }

  window.fetch = (resource, options) => {
    const url = requestUrl(resource);
    const method = (options && options.method) || "GET";
    if (url.protocol !== location.protocol || method !== "GET") {
      return nativeFetch(resource, options);
    }
    return new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.open("GET", url.href);
      request.responseType = "arraybuffer";
      request.onload = () => {
        const status = request.status >= 200 && request.status <= 599 ? request.status : 200;
        resolve(new Response(request.response, {
          status,
          headers: { "Content-Type": request.getResponseHeader("Content-Type") || "" },
        }));
      };
      request.onerror = () => reject(new TypeError(`Failed to fetch ${url.href}`));
      request.onabort = request.onerror;
      request.ontimeout = request.onerror;
      request.send();
    });
  };
})();
