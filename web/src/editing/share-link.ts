// A project carried in a link: the file text compressed with the browser's own deflate and
// written in base64url into the address's fragment, which never reaches a server. "#project="
// opens it as a new untitled copy; "#embed=" shows only its drawing and results.

export type LinkKind = 'project' | 'embed';

// The longest link made; a longer one is refused and the file offered instead.
export const kLongestLink = 8000;

async function streamThrough(bytes: Uint8Array, stream: GenericTransformStream): Promise<Uint8Array> {
  const piped = new Blob([bytes]).stream().pipeThrough(stream as TransformStream<Uint8Array, Uint8Array>);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

function toBase64Url(bytes: Uint8Array): string {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text: string): Uint8Array | null {
  if (!/^[A-Za-z0-9_-]*$/.test(text)) return null;
  try {
    const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    return Uint8Array.from(binary, (c) => c.charCodeAt(0));
  } catch {
    return null;
  }
}

// The link to `page` (the address without its fragment) that carries `text`, or null when it
// would be longer than kLongestLink.
export async function makeLink(page: string, text: string, kind: LinkKind): Promise<string | null> {
  const packed = await streamThrough(new TextEncoder().encode(text), new CompressionStream('deflate-raw'));
  const link = `${page}#${kind}=${toBase64Url(packed)}`;
  return link.length <= kLongestLink ? link : null;
}

export type LinkReading =
  | { kind: LinkKind; text: string }
  | { kind: LinkKind; damaged: string }
  | null;

// What the fragment `hash` ("#project=…") carries: the project text, why it cannot be read, or
// null for a fragment that carries no project.
export async function readLink(hash: string): Promise<LinkReading> {
  const found = /^#(project|embed)=(.*)$/s.exec(hash);
  if (!found) return null;
  const kind = found[1] as LinkKind;
  const damaged = {
    kind,
    damaged: 'The link is damaged: the project it carries cannot be read. Ask for the link again, or for the .str file.',
  };
  const bytes = fromBase64Url(found[2]);
  if (!bytes || bytes.length === 0) return damaged;
  try {
    const text = new TextDecoder('utf-8', { fatal: true }).decode(
      await streamThrough(bytes, new DecompressionStream('deflate-raw')),
    );
    return { kind, text };
  } catch {
    return damaged;
  }
}
